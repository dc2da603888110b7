#include "keyboardaccess.h"

#include "outlineoverlay.h"
#include "screenorder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QShortcut>

namespace vocario {
namespace {

/// Which of keyboard and mouse the pupil used last, for the whole program.
class InputModality : public QObject {
    Q_OBJECT
  public:
    static InputModality* instance() {
        static QPointer<InputModality> modality;
        if (!modality && qApp) {
            modality = new InputModality(qApp);
            qApp->installEventFilter(modality);
        }
        return modality;
    }
    bool keyboard() const { return keyboard_; }

  signals:
    void changed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress:
            set(true);
            break;
        case QEvent::MouseButtonPress:
        case QEvent::TouchBegin:
            set(false);
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    explicit InputModality(QObject* parent) : QObject(parent) {}
    void set(bool keyboard) {
        if (keyboard_ == keyboard)
            return;
        keyboard_ = keyboard;
        emit changed();
    }
    // Until the mouse is used the keyboard may be: the start screen shows
    // where Return goes from the first moment.
    bool keyboard_ = true;
};

} // namespace

void KeyboardAccess::install(QMainWindow* window) {
    new KeyboardAccess(window);
}

KeyboardAccess::KeyboardAccess(QMainWindow* window)
    : QObject(window), window_(window), client_(window->centralWidget()) {
    window->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, &KeyboardAccess::updateRing);
    connect(InputModality::instance(), &InputModality::changed, this, &KeyboardAccess::updateRing);
    connect(new QShortcut(QKeySequence(Qt::Key_F10), window), &QShortcut::activated, this,
            &KeyboardAccess::enterMenuBar);
}

bool KeyboardAccess::keyboardInUse() {
    return InputModality::instance() && InputModality::instance()->keyboard();
}

void KeyboardAccess::beforeFocusMove(QMainWindow* window) {
    if (window->centralWidget())
        ScreenOrder::applyTabOrder(window->centralWidget());
}

bool KeyboardAccess::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && bar_ && watched == bar_)
        return menuBarKey(static_cast<QKeyEvent*>(event));
    if (watched != window_)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::Show) {
        beforeFocusMove(window_);
        prepareMenuBar();
        // The new window takes the keyboard, even where no window manager
        // hands it over.
        window_->activateWindow();
    } else if (event->type() == QEvent::WindowActivate && !focusPlaced_) {
        // The first control the keyboard reaches is the top left one, as the
        // first item has placed the controls.
        focusPlaced_ = true;
        beforeFocusMove(window_);
        const QList<QWidget*> chain = ScreenOrder::focusChainOf(window_->centralWidget());
        if (!chain.isEmpty())
            chain.first()->setFocus(Qt::ActiveWindowFocusReason);
    } else if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        altAlone_ = key->key() == Qt::Key_Alt && !key->isAutoRepeat();
        if (altAlone_)
            barFocusAtAlt_ = menuBarHasFocus();
        // Buttons outside dialogs leave Return to their window: it presses them.
        auto* button = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && button &&
            button->window() == window_ && button->isEnabled() && !key->isAutoRepeat()) {
            button->click();
            return true;
        }
    } else if (event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Alt pressed and released alone, unless the menu bar saw to it itself.
        if (key->key() == Qt::Key_Alt && altAlone_ && menuBarHasFocus() == barFocusAtAlt_) {
            altAlone_ = false;
            if (menuBarHasFocus())
                leaveMenuBar();
            else
                enterMenuBar();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void KeyboardAccess::prepareMenuBar() {
    if (menuBarReady_ || !window_->menuWidget())
        return;
    menuBarReady_ = true;
    bar_ = window_->menuBar();
    bar_->installEventFilter(this);
    connect(bar_, &QMenuBar::triggered, this, &KeyboardAccess::leaveMenuBar);
}

bool KeyboardAccess::menuBarHasFocus() const {
    return bar_ && bar_->hasFocus();
}

void KeyboardAccess::enterMenuBar() {
    prepareMenuBar();
    if (!bar_ || bar_->actions().isEmpty())
        return;
    QMenuBar* bar = bar_;
    if (!bar->hasFocus())
        returnFocus_ = QApplication::focusWidget();
    bar->setFocus(Qt::MenuBarFocusReason);
    bar->setActiveAction(bar->actions().first());
}

void KeyboardAccess::leaveMenuBar() {
    if (!bar_)
        return;
    bar_->setActiveAction(nullptr);
    if (returnFocus_ && returnFocus_->isEnabled() && returnFocus_->isVisible())
        returnFocus_->setFocus(Qt::MenuBarFocusReason);
    else if (const QList<QWidget*> chain = ScreenOrder::focusChainOf(window_->centralWidget());
             bar_->hasFocus() && !chain.isEmpty())
        chain.first()->setFocus(Qt::MenuBarFocusReason);
    returnFocus_ = nullptr;
}

bool KeyboardAccess::menuBarKey(QKeyEvent* key) {
    QMenuBar* bar = bar_;
    QAction* item = bar->activeAction();
    switch (key->key()) {
    case Qt::Key_Escape:
        leaveMenuBar();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Down:
    case Qt::Key_Up:
        if (!item)
            return false;
        if (item->menu()) {
            bar->setActiveAction(item); // opens its menu, which the arrows walk
        } else if (key->key() != Qt::Key_Down && key->key() != Qt::Key_Up) {
            leaveMenuBar();
            item->trigger();
        }
        return true;
    default:
        return false; // the arrows left and right: the menu bar's own
    }
}

void KeyboardAccess::updateRing() {
    // Also called while the window is taken down: only the client area, by
    // its guarded pointer, is asked about.
    QWidget* client = client_;
    QWidget* focus = QApplication::focusWidget();
    const bool shown = client && focus && focus->parentWidget() == client && keyboardInUse();
    if (!shown) {
        if (ring_)
            ring_->follow(nullptr);
        return;
    }
    if (!ring_)
        ring_ = new OutlineOverlay(OutlineOverlay::Look::Focus, client);
    ring_->follow(focus);
}

} // namespace vocario

#include "keyboardaccess.moc"
