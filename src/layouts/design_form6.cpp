#include "designs.h"
#include "exercisedesign.h"

// The tables keep one control a row, as in the designer.
// clang-format off
namespace vocario {

// Odd word out.
const WindowDesign& designForm6() {
    static const WindowDesign design = exerciseWindowDesign(
        "Form6", {6120, 3480, 6840, 255, 7275, 1920, 7290, 1290, "Label2", 6405, 2040, 6450, 1410},
        {
            {"Label5", ControlKind::Label, 0, {"Clicca sulla parola che non c'entra"}, {315}, {105},
             {6420}, {225}, {}, Transparent},
            {"Label3", ControlKind::Label, 4, {"Label3"}, {435}, {735, 1365, 1995, 2640}, {4995},
             {705}, arial(20.25), Border | Centred, 0xFFFFFF},
        });
    return design;
}

} // namespace vocario
// clang-format on
