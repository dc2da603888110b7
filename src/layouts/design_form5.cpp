#include "designs.h"
#include "exercisedesign.h"

// The tables keep one control a row, as in the designer.
// clang-format off
namespace vocario {

// Degree matching.
const WindowDesign& designForm5() {
    static const WindowDesign design = exerciseWindowDesign(
        "Form5", {7320, 5040, 7920, 360, 8535, 2025, 8550, 1395, "Label2", 7665, 2145, 7710, 1515},
        {
            {"Label5", ControlKind::Label, 0,
             {"Trascina la parola della prima colonna sulla corrispondente della seconda"}, {315},
             {105}, {6420}, {225}, {}, Transparent},
            {"Label4", ControlKind::Label, 9, {"Label4"}, {3570},
             kNineRows, {3495}, {375}, arial(14.25),
             Border | Centred, 0xFFFFFF},
            {"Label3", ControlKind::Label, 9, {"Label3"}, {315},
             kNineRows, {2700},
             kNineWordHeights, arial(15.75),
             Border | Centred | Draggable, 0xFFFFFF},
        });
    return design;
}

} // namespace vocario
// clang-format on
