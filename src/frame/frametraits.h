#pragma once

namespace vocario {

/// Where an exercise window's frame differs from the others.
struct FrameTraits {
    /// Form2 has no "Suono?" menu and plays its sounds on every answer.
    bool hasSoundMenu = true;
    /// Blanks after "Informazioni" in the menu bar (10 in Form8).
    int informazioniBlanks = 11;
    /// Form2 prepares itself when it becomes active, not when it loads.
    bool preparesOnActivation = false;
};

} // namespace vocario
