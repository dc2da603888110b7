#include "designs.h"
#include "exercisedesign.h"

// The tables keep one control a row, as in the designer.
// clang-format off
namespace vocario {

// Synonym matching: no instruction line, Label5 is the "Errati" caption.
const WindowDesign& designForm2() {
    static const WindowDesign design = exerciseWindowDesign(
        "Form2", {7560, 4920, 8040, 240, 8640, 2025, 8655, 1395, "Label5", 7770, 2145, 7815, 1515},
        {
            {"Label4", ControlKind::Label, 7, {"Label4"},
             {3255, 3255, 3240, 3255, 3255, 3255, 3255}, {105, 1050, 1890, 2625, 3465, 4305, 5145},
             {4005}, {600}, arial(15.75), Border | Centred, 0xFFFFFF},
            {"Label3", ControlKind::Label, 7,
             {"GENNAIO", "FEBBRAIO", "MARZO", "APRILE", "MAGGIO", "GIUGNO", "LUGLIO"}, {210},
             {5355, 525, 1155, 1785, 2520, 3465, 4410}, {2700}, {600}, arial(15.75),
             Border | Centred | Draggable, 0xFFFFFF},
        });
    return design;
}

} // namespace vocario
// clang-format on
