#include "design_form2.h"
#include "geometry/exercisedesign.h"

namespace vocario {

// Synonym matching: no instruction line, Label5 is the "Errati" caption.
const WindowDesign& designForm2() {
    // One control a row block, as in the designer. Both columns keep their own
    // tops here; the window puts them on kRigheForm2.
    // clang-format off
    static const WindowDesign design = exerciseWindowDesign(
        "Form2",
        {.avanti = {.left = 7560, .top = 4920},
         .icons = {.left = 8040, .top = 240},
         .erratiCount = {.left = 8640, .top = 2025},
         .esattiCount = {.left = 8655, .top = 1395},
         .erratiCaptionName = "Label5",
         .erratiCaption = {.left = 7770, .top = 2145},
         .esattiCaption = {.left = 7815, .top = 1515}},
        {
            {.name = "Label4", .kind = ControlKind::Label, .count = kRigheForm2.count,
             .texts = {"Label4"},
             .lefts = {3255, 3255, 3240, 3255, 3255, 3255, 3255},
             .tops = {105, 1050, 1890, 2625, 3465, 4305, 5145},
             .widths = {4005}, .heights = {600},
             .font = arial(15.75), .look = Border | Centred, .backColour = 0xFFFFFF},
            {.name = "Label3", .kind = ControlKind::Label, .count = kRigheForm2.count,
             .texts = {"GENNAIO", "FEBBRAIO", "MARZO", "APRILE", "MAGGIO", "GIUGNO", "LUGLIO"},
             .lefts = {210}, .tops = {5355, 525, 1155, 1785, 2520, 3465, 4410},
             .widths = {2700}, .heights = {600},
             .font = arial(15.75), .look = Border | Centred | Draggable, .backColour = 0xFFFFFF},
        });
    // clang-format on
    return design;
}

} // namespace vocario
