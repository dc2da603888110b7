#include "design_form5.h"
#include "geometry/exercisedesign.h"

namespace vocario {

// Degree matching.
const WindowDesign& designForm5() {
    // One control a row block, as in the designer.
    // clang-format off
    static const WindowDesign design = exerciseWindowDesign(
        "Form5",
        {.avanti = {.left = 7320, .top = 5040},
         .icons = {.left = 7920, .top = 360},
         .erratiCount = {.left = 8535, .top = 2025},
         .esattiCount = {.left = 8550, .top = 1395},
         .erratiCaptionName = "Label2",
         .erratiCaption = {.left = 7665, .top = 2145},
         .esattiCaption = {.left = 7710, .top = 1515}},
        {
            {.name = "Label5", .kind = ControlKind::Label,
             .texts = {"Trascina la parola della prima colonna sulla corrispondente della seconda"},
             .lefts = {315}, .tops = {105}, .widths = {6420}, .heights = {225},
             .look = Transparent},
            {.name = "Label4", .kind = ControlKind::Label, .count = kRigheForm5.count,
             .texts = {"Label4"},
             .lefts = {3570}, .tops = kRigheForm5.tops(), .widths = {3495}, .heights = {375},
             .font = arial(14.25), .look = Border | Centred, .backColour = 0xFFFFFF},
            {.name = "Label3", .kind = ControlKind::Label, .count = kRigheForm5.count,
             .texts = {"Label3"},
             .lefts = {315}, .tops = kRigheForm5.tops(), .widths = {2700},
             .heights = kNineWordHeights,
             .font = arial(15.75), .look = Border | Centred | Draggable, .backColour = 0xFFFFFF},
        });
    // clang-format on
    return design;
}

} // namespace vocario
