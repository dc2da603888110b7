#include "designs.h"
#include "exercisedesign.h"

namespace vocario {

// Degree matching.
const WindowDesign& designForm5() {
    static const WindowDesign design = exerciseWindowDesign(
        "Form5", {7320, 5040, 7920, 360, 8535, 2025, 8550, 1395, "Label2", 7665, 2145, 7710, 1515},
        {
            {"Label5",
             ControlKind::Label,
             0,
             {"Trascina la parola della prima colonna sulla corrispondente della seconda"},
             {315},
             {105},
             {6420},
             {225},
             {},
             Transparent},
            {"Label4",
             ControlKind::Label,
             9,
             {"Label4"},
             {3570},
             {420, 1050, 1680, 2310, 2940, 3570, 4200, 4830, 5460},
             {3495},
             {375},
             arial(14.25),
             Border | Centred,
             0xFFFFFF},
            {"Label3",
             ControlKind::Label,
             9,
             {"Label3"},
             {315},
             {420, 1050, 1680, 2310, 2940, 3570, 4200, 4830, 5460},
             {2700},
             {380, 375, 375, 375, 375, 375, 375, 375, 375},
             arial(15.75),
             Border | Centred | Draggable,
             0xFFFFFF},
        });
    return design;
}

} // namespace vocario
