#include "design_form3.h"
#include "geometry/exercisedesign.h"

namespace vocario {

// Synonym or antonym: no instruction line, Label5 is the "Errati" caption.
const WindowDesign& designForm3() {
    // One control a row block, as in the designer.
    // clang-format off
    static const WindowDesign design = exerciseWindowDesign(
        "Form3",
        {.avanti = {.left = 5400, .top = 3720},
         .icons = {.left = 7560, .top = 240},
         .erratiCount = {.left = 8010, .top = 1815},
         .esattiCount = {.left = 8025, .top = 1185},
         .erratiCaptionName = "Label5",
         .erratiCaption = {.left = 7140, .top = 1935},
         .esattiCaption = {.left = 7185, .top = 1305}},
        {
            {.name = "Text1", .kind = ControlKind::TextBox,
             .texts = {"Text1"},
             .lefts = {120}, .tops = {240}, .widths = {6855}, .heights = {1455},
             .font = arial(26.25), .look = MultiLine | Centred | Disabled},
            {.name = "Bottone2", .kind = ControlKind::Button,
             .texts = {"contrari"},
             .lefts = {3570}, .tops = {2520}, .widths = {3165}, .heights = {855},
             .font = arial(24), .look = Graphical},
            {.name = "Bottone1", .kind = ControlKind::Button,
             .texts = {"sinonimi"},
             .lefts = {210}, .tops = {2520}, .widths = {3165}, .heights = {855},
             .font = arial(24), .look = Graphical, .backColour = 0xC0C0C0},
        });
    // clang-format on
    return design;
}

} // namespace vocario
