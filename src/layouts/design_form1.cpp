#include "designs.h"
#include "exercisedesign.h"

// The tables keep one control a row, as in the designer.
// clang-format off
namespace vocario {

// Antonym matching.
const WindowDesign& designForm1() {
    static const WindowDesign design = exerciseWindowDesign(
        "Form1", {7320, 5040, 7680, 300, 8220, 1920, 8235, 1290, "Label2", 7350, 2040, 7395, 1410},
        {
            {"Label5", ControlKind::Label, 0,
             {"Trascina la parola nella prima colonna sulla sua contraria che trovi nella "
              "seconda seconda"},
             {315}, {105}, {7260}, {225}, {}, Transparent},
            {"Label4", ControlKind::Label, 9, {"Label4"}, {3570},
             {420, 1050, 1680, 2310, 2940, 3570, 4200, 4830, 5520}, {3495}, {375}, arial(12),
             Border | Centred, 0xFFFFFF},
            {"Label3", ControlKind::Label, 9, {"Label3"}, {315},
             kNineRows, {2700},
             kNineWordHeights, arial(12), Border | Centred | Draggable,
             0xFFFFFF},
        });
    return design;
}

} // namespace vocario
// clang-format on
