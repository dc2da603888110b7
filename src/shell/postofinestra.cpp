#include "postofinestra.h"

#include "layouts/design.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>

namespace vocario {
namespace {

// Room left for a menu bar when deciding whether a window fits as designed:
// more than any menu bar takes, so that only a window near the edge of the
// screen measures its menu bar exactly.
constexpr int kMenuBarRoom = 48;

QFont menuBarFont(double factor) {
    QFont font = QApplication::font("QMenuBar");
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * factor);
    else
        font.setPixelSize(qRound(font.pixelSize() * factor));
    return font;
}

/// The height of the exercise windows' menu bar with its text enlarged by
/// `factor`.
int menuBarHeight(double factor) {
    static double measuredFactor = 0;
    static int measured = 0;
    if (factor != measuredFactor) {
        QMenuBar bar;
        bar.setFont(menuBarFont(factor));
        bar.addAction(QStringLiteral("Esci"));
        measured = bar.sizeHint().height();
        measuredFactor = factor;
    }
    return measured;
}

// The program shows one window at a time: the next one goes on the screen
// of the one on show, in the frame the window manager gave that one.
struct Schermo {
    QRect disponibile;
    QRect intero;
    QMargins cornice;
};

Schermo schermoAttuale() {
    Schermo found;
    QScreen* screen = nullptr;
    for (QWindow* window : QGuiApplication::topLevelWindows()) {
        if (window->isVisible() && window->type() == Qt::Window) {
            screen = window->screen();
            found.cornice = window->frameMargins();
            break;
        }
    }
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        found.disponibile = screen->availableGeometry();
        found.intero = screen->geometry();
    }
    return found;
}

int larghezzaCornice(const QMargins& m) {
    return m.left() + m.right();
}
int altezzaCornice(const QMargins& m) {
    return m.top() + m.bottom();
}

} // namespace

PostoFinestra PostoFinestra::per(const WindowDesign& design, Dimensione dimensione,
                                 bool conBarraDeiMenu) {
    PostoFinestra posto;
    posto.dimensione_ = dimensione;
    const Schermo schermo = schermoAttuale();
    if (schermo.intero.isEmpty())
        return posto; // no screen to fit: the design as it is
    posto.disponibile_ = schermo.disponibile;
    posto.schermo_ = schermo.intero;
    posto.cornice_ = schermo.cornice;
    const double w = twipsToPixels(design.clientWidth);
    const double h = twipsToPixels(design.clientHeight);
    const int cw = larghezzaCornice(schermo.cornice);
    const int ch = altezzaCornice(schermo.cornice);
    const QRect& room = schermo.disponibile;

    if (dimensione == Dimensione::Normale) {
        const int menu = conBarraDeiMenu ? kMenuBarRoom : 0;
        if (w + cw <= room.width() && h + menu + ch <= room.height())
            return posto; // the design's size: nothing to work out
    }
    const double menu = conBarraDeiMenu ? menuBarHeight(1.0) : 0;
    double factor = 1.0;
    if (dimensione == Dimensione::SchermoIntero) {
        factor = qMin(schermo.intero.width() / w, schermo.intero.height() / (h + menu));
    } else {
        factor = qMin((room.width() - cw) / w, (room.height() - ch) / (h + menu));
        if (dimensione == Dimensione::Normale)
            factor = qMin(factor, 1.0);
    }
    // A menu bar's margins do not grow with its text: measured at the
    // factor, it may take a few pixels more than the estimate above.
    if (conBarraDeiMenu) {
        const int limit =
            dimensione == Dimensione::SchermoIntero ? schermo.intero.height() : room.height() - ch;
        while (factor > 0.1 && h * factor + menuBarHeight(factor) > limit)
            factor -= 0.005;
    }
    posto.scala_.factor = factor;
    if (dimensione == Dimensione::SchermoIntero) {
        const int menuH = conBarraDeiMenu ? menuBarHeight(factor) : 0;
        const QSize client(schermo.intero.width(), schermo.intero.height() - menuH);
        posto.scala_.client = client;
        posto.scala_.origin = QPoint(qRound((client.width() - w * factor) / 2),
                                     qRound((client.height() - h * factor) / 2));
    }
    return posto;
}

void PostoFinestra::sistema(QMainWindow* window) const {
    const double factor = scala_.factor;
    if (QMenuBar* bar = window->menuWidget() ? window->menuBar() : nullptr; bar && factor != 1.0) {
        const QFont font = menuBarFont(factor);
        bar->setFont(font);
        // A menu opened from the bar is a window of its own: it takes no font
        // from the bar.
        for (QMenu* menu : bar->findChildren<QMenu*>())
            menu->setFont(font);
    }
    if (dimensione_ == Dimensione::SchermoIntero && !schermo_.isEmpty()) {
        const int menuH = window->menuWidget() ? window->menuWidget()->sizeHint().height() : 0;
        window->centralWidget()->setFixedSize(schermo_.width(), schermo_.height() - menuH);
        window->setFixedSize(schermo_.size());
        window->setGeometry(schermo_);
        window->setWindowState(Qt::WindowFullScreen);
        return;
    }
    window->setFixedSize(window->sizeHint());
    if (disponibile_.isEmpty())
        return;
    // The window with the frame around it, whole on the screen.
    const QSize outer = window->size().grownBy(cornice_);
    QPoint topLeft = window->pos();
    if (dimensione_ == Dimensione::Grande)
        topLeft = disponibile_.topLeft() + QPoint((disponibile_.width() - outer.width()) / 2,
                                                  (disponibile_.height() - outer.height()) / 2);
    topLeft.setX(qBound(disponibile_.left(), topLeft.x(),
                        qMax(disponibile_.left(), disponibile_.right() + 1 - outer.width())));
    topLeft.setY(qBound(disponibile_.top(), topLeft.y(),
                        qMax(disponibile_.top(), disponibile_.bottom() + 1 - outer.height())));
    if (topLeft != window->pos())
        window->move(topLeft);
}

} // namespace vocario
