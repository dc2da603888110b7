#include "design_form4.h"
#include "geometry/exercisedesign.h"

namespace vocario {

// Including word.
const WindowDesign& designForm4() {
    // One control a row block, as in the designer. The tiles keep their own
    // tops here; the window stacks them on kRigheForm4.
    // clang-format off
    static const WindowDesign design = exerciseWindowDesign(
        "Form4",
        {.avanti = {.left = 5880, .top = 3840},
         .icons = {.left = 6360, .top = 360},
         .erratiCount = {.left = 6855, .top = 2025},
         .esattiCount = {.left = 6870, .top = 1395},
         .erratiCaptionName = "Label2",
         .erratiCaption = {.left = 5985, .top = 2145},
         .esattiCaption = {.left = 6030, .top = 1515}},
        {
            {.name = "Label5", .kind = ControlKind::Label,
             .texts = {"Clicca sul nome che comprende gli altri"},
             .lefts = {120}, .tops = {240}, .widths = {6420}, .heights = {225},
             .look = Transparent},
            {.name = "Label3", .kind = ControlKind::Label, .count = kRigheForm4.count,
             .texts = {"Label3"},
             .lefts = {360}, .tops = {600, 1230, 1860, 2505}, .widths = {4995}, .heights = {705},
             .font = arial(20.25), .look = Border | Centred, .backColour = 0xFFFFFF},
        });
    // clang-format on
    return design;
}

} // namespace vocario
