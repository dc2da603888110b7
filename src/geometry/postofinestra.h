#pragma once

#include "designscale.h"
#include "options/opzioni.h"

#include <QRect>

class QMainWindow;
class QWidget;

namespace vocario {

struct WindowDesign;

/// Where a window of the program stands and how large it is drawn, by the
/// size chosen in "Opzioni" and the room the screen has. "normale" is the
/// design's size and place, smaller only when the screen is, and moved only
/// as far as it takes to be whole on the screen; "grande" the largest
/// enlargement of the design that fits the screen, centred; "schermo
/// intero" the whole screen, the design enlarged and centred in it.
class PostoFinestra {
  public:
    /// The place of `window`, about to be built from `design`;
    /// `conBarraDeiMenu` when a menu bar will stand above its client area.
    static PostoFinestra per(QWidget* window, const WindowDesign& design, Dimensione dimensione,
                             bool conBarraDeiMenu);

    /// The scale the window's controls are built at.
    const DesignScale& scala() const { return scala_; }

    /// Gives the built window (its menu bar too) its size, place and state.
    void sistema(QMainWindow* window) const;

  private:
    DesignScale scala_;
    Dimensione dimensione_ = Dimensione::Normale;
    QRect disponibile_; ///< the screen less its panels
    QRect schermo_;     ///< the whole screen
    QMargins cornice_;  ///< what the window manager puts around a window
};

} // namespace vocario
