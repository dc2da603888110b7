#pragma once

#include "outlineoverlay.h"

#include <QObject>
#include <QPointer>

class QKeyEvent;
class QMainWindow;
class QMenuBar;

namespace vocario {

/// Everything a window needs to be used from the keyboard alone: Tab through
/// its controls in reading order, a thick outline around the focused control
/// while the keyboard is in use (never after a mouse press, so a pupil at the
/// mouse sees the window as it always was), Return as well as Space presses
/// the focused button or option, and F10 or Alt reach the menu bar, whose
/// items the arrows walk.
class KeyboardAccess : public QObject {
    Q_OBJECT
  public:
    /// Gives `window` its keyboard access; it lives as long as the window.
    static void install(QMainWindow* window);
    /// Puts the focus chain of `window` in the reading order of the screen
    /// now, as the controls stand (an item may have moved them).
    static void beforeFocusMove(QMainWindow* window);
    /// True while the keyboard, not the mouse, was used last.
    static bool keyboardInUse();

    /// F10 and Alt: the first item of the menu bar lights up and takes the keys.
    void enterMenuBar();
    /// Esc: back to the control that had the focus.
    void leaveMenuBar();
    bool menuBarHasFocus() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    explicit KeyboardAccess(QMainWindow* window);
    void prepareMenuBar();
    bool menuBarKey(QKeyEvent* key);
    void updateRing();

    QMainWindow* window_;
    QPointer<QWidget> client_;
    QPointer<QMenuBar> bar_;
    QPointer<OutlineOverlay> ring_;
    bool menuBarReady_ = false;
    bool focusPlaced_ = false;
    /// Alt went down with no other key yet, and whether the menu bar had
    /// the focus then.
    bool altAlone_ = false;
    bool barFocusAtAlt_ = false;
    /// Where the focus goes back when the menu bar is left.
    QPointer<QWidget> returnFocus_;
};

} // namespace vocario
