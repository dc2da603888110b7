#include "designs.h"
#include "exercisedesign.h"

// The tables keep one control a row, as in the designer.
// clang-format off
namespace vocario {

// Including word.
const WindowDesign& designForm4() {
    static const WindowDesign design = exerciseWindowDesign(
        "Form4", {5880, 3840, 6360, 360, 6855, 2025, 6870, 1395, "Label2", 5985, 2145, 6030, 1515},
        {
            {"Label5", ControlKind::Label, 0, {"Clicca sul nome che comprende gli altri"}, {120},
             {240}, {6420}, {225}, {}, Transparent},
            {"Label3", ControlKind::Label, 4, {"Label3"}, {360}, {600, 1230, 1860, 2505}, {4995},
             {705}, arial(20.25), Border | Centred, 0xFFFFFF},
        });
    return design;
}

} // namespace vocario
// clang-format on
