#pragma once

#include <QStringList>

namespace vocario {

/// Where an exercise window's frame differs from the others.
struct FrameTraits {
    /// Form2 has no "Suono?" menu and plays its sounds on every answer.
    bool hasSoundMenu = true;
    /// Blanks after "Informazioni" in the menu bar (10 in Form8).
    int informazioniBlanks = 11;
    /// Form2 prepares itself when it becomes active, not when it loads.
    bool preparesOnActivation = false;
    /// Texts drawn on the window's own background: a wrong answer turns them
    /// white, so that they stay readable on black, and every new colour turns
    /// them black again (white on the few colours where black is hard to read).
    QStringList whiteAfterWrong;
};

} // namespace vocario
