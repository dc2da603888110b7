#include "designs.h"
#include "exercisedesign.h"

// The tables keep one control a row, as in the designer.
// clang-format off
namespace vocario {

// Idiom matching ("parola corretta").
const WindowDesign& designForm8() {
    static const WindowDesign design = exerciseWindowDesign(
        "Form8", {7440, 3840, 7680, 360, 8430, 2025, 8445, 1395, "Label2", 7680, 2145, 7605, 1515},
        {
            {"Label5", ControlKind::Label, 0,
             {"Trascina le parole della prima colonna sulla corrispondente della seconda"}, {315},
             {105}, {6420}, {225}, {}, Transparent},
            {"Label4", ControlKind::Label, 4, {"Label4"}, {3570, 3570, 3600, 3570},
             {420, 1620, 2820, 4020}, {3495}, {700, 700, 705, 700}, arial(12), Border | Centred,
             0xFFFFFF},
            {"Label3", ControlKind::Label, 4, {"Label3"}, {315}, {630, 1260, 1890, 2520}, {2700},
             {700}, arial(12), Border | Centred | Draggable, 0xFFFFFF},
        });
    return design;
}

} // namespace vocario
// clang-format on
