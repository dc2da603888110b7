#include "designs.h"

namespace vocario {

// The start screen.
const WindowDesign& designFormAvvio() {
    // One control a row block, as in the designer.
    // clang-format off
    static const WindowDesign design{
        .name = "FormAvvio", .title = "Vocario",
        .clientLeft = 1800, .clientTop = 1935, .clientWidth = 10530, .clientHeight = 9075,
        .backColour = 0xFFFF00, .icon = Picture::Bambino,
        .controls = {
            {.name = "BottoneAvvio", .kind = ControlKind::Button,
             .texts = {"Avvio"},
             .lefts = {2835}, .tops = {4200}, .widths = {4110}, .heights = {1275},
             .font = msSansSerif(18), .look = Graphical, .picture = Picture::Bambino},
            // The author, where the build names one (see FormAvvio).
            {.name = "Label2(1)", .kind = ControlKind::Label,
             .texts = {""},
             .lefts = {2280}, .tops = {480}, .widths = {4932}, .heights = {852},
             .font = arial(18), .look = Transparent, .backColour = 0xFFFF00},
            {.name = "Label2(0)", .kind = ControlKind::Label,
             .texts = {"Vocario"},
             .lefts = {720}, .tops = {1575}, .widths = {8415}, .heights = {2535},
             .font = arial(48.75), .look = Centred | Transparent, .backColour = 0xFFFF00},
        }};
    // clang-format on
    return design;
}

} // namespace vocario
