// The floor of the start-up benchmark: the least a Qt Widgets program costs
// on this machine to put a window like the start screen on the screen. A bare
// window titled "Form1" with the start screen's client size (10530 x 9075
// twips = 702 x 605 pixels), one button and two labels; no Multimedia, no Svg.

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Form1"));
    window.setFixedSize(702, 605);
    auto* title = new QLabel(QStringLiteral("Tralvoci"), &window);
    title->setGeometry(48, 105, 561, 169);
    auto* subtitle = new QLabel(QStringLiteral("Scrivellini"), &window);
    subtitle->setGeometry(152, 32, 329, 57);
    auto* button = new QPushButton(QStringLiteral("Avvio"), &window);
    button->setGeometry(189, 280, 274, 85);
    window.show();
    return QApplication::exec();
}
