#include "designs.h"
#include "exercisedesign.h"

// The tables keep one control a row, as in the designer.
// clang-format off
namespace vocario {

// Synonym or antonym.
const WindowDesign& designForm3() {
    static const WindowDesign design = exerciseWindowDesign(
        "Form3", {5400, 3720, 7560, 240, 8010, 1815, 8025, 1185, "Label5", 7140, 1935, 7185, 1305},
        {
            {"Text1", ControlKind::TextBox, 0, {"Text1"}, {120}, {240}, {6855}, {1455},
             arial(26.25), MultiLine | Centred | Disabled},
            {"Bottone2", ControlKind::Button, 0, {"contrari"}, {3570}, {2520}, {3165}, {855},
             arial(24), Graphical},
            {"Bottone1", ControlKind::Button, 0, {"sinonimi"}, {210}, {2520}, {3165}, {855},
             arial(24), Graphical, 0xC0C0C0},
        });
    return design;
}

} // namespace vocario
// clang-format on
