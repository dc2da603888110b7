#include "designs.h"
#include "exercisedesign.h"

// The tables keep one control a row, as in the designer.
// clang-format off
namespace vocario {

// Word meaning ("vocario").
const WindowDesign& designForm9() {
    static const WindowDesign design = exerciseWindowDesign(
        "Form9", {7560, 3960, 8280, 600, 8535, 2235, 8550, 1605, "Label5", 7680, 2355, 7710, 1725},
        {
            {"Bottone", ControlKind::Button, 3, {"sinonimi"}, {315}, {1785, 2520, 3255}, {7050},
             {645}, arial(11.25), Graphical},
            {"Text1", ControlKind::TextBox, 0, {"Text1"}, {105}, {210}, {7695}, {825}, arial(12),
             MultiLine | Centred | Disabled},
            {"Label3", ControlKind::Label, 0, {"Label3"}, {210}, {1155}, {7365}, {435}, arial(12),
             Transparent},
        });
    return design;
}

} // namespace vocario
// clang-format on
