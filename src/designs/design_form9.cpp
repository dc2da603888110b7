#include "design_form9.h"
#include "geometry/exercisedesign.h"

namespace vocario {

// Word meaning ("vocario"): no instruction line, Label5 is the "Errati" caption.
const WindowDesign& designForm9() {
    // One control a row block, as in the designer. The buttons keep their own
    // tops here; the window shuffles them onto kRigheForm9.
    // clang-format off
    static const WindowDesign design = exerciseWindowDesign(
        "Form9",
        {.avanti = {.left = 7560, .top = 3960},
         .icons = {.left = 8280, .top = 600},
         .erratiCount = {.left = 8535, .top = 2235},
         .esattiCount = {.left = 8550, .top = 1605},
         .erratiCaptionName = "Label5",
         .erratiCaption = {.left = 7680, .top = 2355},
         .esattiCaption = {.left = 7710, .top = 1725}},
        {
            {.name = "Bottone", .kind = ControlKind::Button, .count = kRigheForm9.count,
             .texts = {"sinonimi"},
             .lefts = {315}, .tops = {1785, 2520, 3255}, .widths = {7050}, .heights = {645},
             .font = arial(11.25), .look = Graphical},
            {.name = "Text1", .kind = ControlKind::TextBox,
             .texts = {"Text1"},
             .lefts = {105}, .tops = {210}, .widths = {7695}, .heights = {825},
             .font = arial(12), .look = MultiLine | Centred | Disabled},
            {.name = "Label3", .kind = ControlKind::Label,
             .texts = {"Label3"},
             .lefts = {210}, .tops = {1155}, .widths = {7365}, .heights = {435},
             .font = arial(12), .look = Transparent},
        });
    // clang-format on
    return design;
}

} // namespace vocario
