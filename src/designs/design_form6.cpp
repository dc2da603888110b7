#include "design_form6.h"
#include "geometry/exercisedesign.h"

namespace vocario {

// Odd word out.
const WindowDesign& designForm6() {
    // One control a row block, as in the designer. The tiles keep their own
    // tops here; the window stacks them on kRigheForm6.
    // clang-format off
    static const WindowDesign design = exerciseWindowDesign(
        "Form6",
        {.avanti = {.left = 6120, .top = 3480},
         .icons = {.left = 6840, .top = 255},
         .erratiCount = {.left = 7275, .top = 1920},
         .esattiCount = {.left = 7290, .top = 1290},
         .erratiCaptionName = "Label2",
         .erratiCaption = {.left = 6405, .top = 2040},
         .esattiCaption = {.left = 6450, .top = 1410}},
        {
            {.name = "Label5", .kind = ControlKind::Label,
             .texts = {"Clicca sulla parola che non c'entra"},
             .lefts = {315}, .tops = {105}, .widths = {6420}, .heights = {225},
             .look = Transparent},
            {.name = "Label3", .kind = ControlKind::Label, .count = kRigheForm6.count,
             .texts = {"Label3"},
             .lefts = {435}, .tops = {735, 1365, 1995, 2640}, .widths = {4995}, .heights = {705},
             .font = arial(20.25), .look = Border | Centred, .backColour = 0xFFFFFF},
        });
    // clang-format on
    return design;
}

} // namespace vocario
