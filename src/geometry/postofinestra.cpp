#include "postofinestra.h"

#include "design.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>
#include <algorithm>

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

PostoFinestra PostoFinestra::per(QWidget* window, const WindowDesign& design, Dimensione dimensione,
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
    const QRect& room = schermo.disponibile;
    if (dimensione == Dimensione::Normale) {
        const int menu = conBarraDeiMenu ? kMenuBarRoom : 0;
        if (w + larghezzaCornice(schermo.cornice) <= room.width() &&
            h + menu + altezzaCornice(schermo.cornice) <= room.height())
            return posto; // the design's size: nothing to work out
    }
    // Away from the design's size the frame counts to the pixel: the
    // window's own, where the platform tells it before the window is shown,
    // or that of the window on show.
    window->winId();
    if (const QWindow* native = window->windowHandle()) {
        const QMargins own = native->frameMargins();
        posto.cornice_ = QMargins(
            qMax(own.left(), posto.cornice_.left()), qMax(own.top(), posto.cornice_.top()),
            qMax(own.right(), posto.cornice_.right()), qMax(own.bottom(), posto.cornice_.bottom()));
    }
    const int cw = larghezzaCornice(posto.cornice_);
    const int ch = altezzaCornice(posto.cornice_);
    const double menu = conBarraDeiMenu ? menuBarHeight(1.0) : 0;
    // The largest factor at which the window, its menu bar too, fits.
    const bool intero = dimensione == Dimensione::SchermoIntero;
    const double larghezza = intero ? schermo.intero.width() : room.width() - cw;
    const int altezza = intero ? schermo.intero.height() : room.height() - ch;
    const double massimo = dimensione == Dimensione::Normale ? 1.0 : 1e9;
    const auto menuA = [&](double f) { return conBarraDeiMenu ? menuBarHeight(f) : 0; };
    double factor = std::min({massimo, larghezza / w, altezza / (h + menu)});
    // A menu bar's margins do not grow with its text: its height is
    // measured at the factor, which is then worked out again.
    for (int volta = 0; conBarraDeiMenu && volta < 3; ++volta)
        factor = std::min({massimo, larghezza / w, (altezza - menuA(factor)) / h});
    const auto altezzaA = [&](double f) {
        return qRound(design.clientHeight * f / kTwipsPerPixel) + menuA(f);
    };
    while (factor > 0.1 && altezzaA(factor) > altezza)
        factor -= 0.001;
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
    // The window with the frame around it, whole on the screen. Where it has
    // to move, the frame counts to the pixel (see per()).
    QMargins cornice = cornice_;
    if (dimensione_ != Dimensione::Normale ||
        !disponibile_.contains(QRect(window->pos(), window->size().grownBy(cornice)))) {
        window->winId();
        if (const QWindow* native = window->windowHandle())
            cornice = cornice.isNull() ? native->frameMargins() : cornice;
    }
    const QSize outer = window->size().grownBy(cornice);
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
