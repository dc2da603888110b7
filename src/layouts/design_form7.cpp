#include "designs.h"
#include "exercisedesign.h"

// The tables keep one control a row, as in the designer.
// clang-format off
namespace vocario {

// Intensity ordering.
const WindowDesign& designForm7() {
    static const WindowDesign design = exerciseWindowDesign(
        "Form7", {7080, 3480, 7800, 240, 8220, 1815, 8235, 1185, "Label2", 7350, 1935, 7320, 1305},
        {
            {"Label6", ControlKind::Label, 0, {"Trascina ogni parola al posto esatto"}, {480},
             {240}, {4485}, {435}, {}, Transparent},
            // 37 blanks between the two ends of the scale.
            {"Label5", ControlKind::Label, 0, {"meno intenso                                     più intenso"}, {1155}, {2730}, {5265},
             {435}, {}, Transparent},
            {"Label4", ControlKind::Label, 2, {"Label4"}, {210, 3570}, {1995}, {3060}, {645},
             arial(14.25), Border | Centred, 0xC0FFFF},
            {"Label3", ControlKind::Label, 2, {"Label3"}, {210, 3570}, {840}, {3060}, {645},
             arial(14.25), Border | Centred | Draggable, 0xFFFFFF},
        });
    return design;
}

} // namespace vocario
// clang-format on
