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
    /// Texts that a wrong answer turns white, so that they stay readable on
    /// black; the window's colour procedure turns them black again.
    QStringList whiteAfterWrong;
    /// True: they turn black again only when the background was black
    /// (Form2); false: at every new colour (Form4, Form6).
    bool darkenOnlyAfterBlack = true;
};

} // namespace vocario
