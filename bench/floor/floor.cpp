// The floor of the start-up benchmark: the least a Qt Widgets program costs
// on this machine to put a window like the start screen on the screen. A bare
// window titled "Vocario" with the start screen's client size (10530 x 9075
// twips = 702 x 605 pixels), one button and the title label (the author line
// shows only in builds that name one); no Multimedia, no Svg.

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Vocario"));
    window.setFixedSize(702, 605);
    auto* title = new QLabel(QStringLiteral("Vocario"), &window);
    title->setGeometry(48, 105, 561, 169);
    auto* button = new QPushButton(QStringLiteral("Avvio"), &window);
    button->setGeometry(189, 280, 274, 85);
    window.show();
    return QApplication::exec();
}
