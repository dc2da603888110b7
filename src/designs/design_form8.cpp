#include "design_form8.h"
#include "geometry/exercisedesign.h"

namespace vocario {

// Idiom matching ("parola corretta").
const WindowDesign& designForm8() {
    // One control a row block, as in the designer. The draggable texts keep
    // their own tops here; the window shuffles them onto kRigheForm8.
    // clang-format off
    static const WindowDesign design = exerciseWindowDesign(
        "Form8",
        {.avanti = {.left = 7440, .top = 3840},
         .icons = {.left = 7680, .top = 360},
         .erratiCount = {.left = 8430, .top = 2025},
         .esattiCount = {.left = 8445, .top = 1395},
         .erratiCaptionName = "Label2",
         .erratiCaption = {.left = 7680, .top = 2145},
         .esattiCaption = {.left = 7605, .top = 1515}},
        {
            {.name = "Label5", .kind = ControlKind::Label,
             .texts = {"Trascina le parole della prima colonna sulla corrispondente della seconda"},
             .lefts = {315}, .tops = {105}, .widths = {6420}, .heights = {225},
             .look = Transparent},
            {.name = "Label4", .kind = ControlKind::Label, .count = kRigheForm8.count,
             .texts = {"Label4"},
             .lefts = {3570, 3570, 3600, 3570}, .tops = kRigheForm8.tops(), .widths = {3495},
             .heights = {700, 700, 705, 700},
             .font = arial(12), .look = Border | Centred, .backColour = 0xFFFFFF},
            {.name = "Label3", .kind = ControlKind::Label, .count = kRigheForm8.count,
             .texts = {"Label3"},
             .lefts = {315}, .tops = {630, 1260, 1890, 2520}, .widths = {2700}, .heights = {700},
             .font = arial(12), .look = Border | Centred | Draggable, .backColour = 0xFFFFFF},
        });
    // clang-format on
    return design;
}

} // namespace vocario
