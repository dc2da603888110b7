#include "designs.h"

namespace vocario {

// The exercise menu.
const WindowDesign& designFormMenu() {
    // One control a row block, as in the designer.
    // clang-format off
    static const WindowDesign design{
        .name = "FormMenu", .title = "Vocario – menù",
        .clientLeft = 1200, .clientTop = 1515, .clientWidth = 10230, .clientHeight = 7890,
        .backColour = 0xC000C0,
        .controls = {
            {.name = "Option1(0)", .kind = ControlKind::OptionButton,
             .texts = {"prosegue automaticamente  negli esercizi"},
             .lefts = {5040}, .tops = {3600}, .widths = {4095}, .heights = {735},
             .font = arial(12)},
            {.name = "Option1(1)", .kind = ControlKind::OptionButton,
             .texts = {"attende la pressione del bottone per proseguire"},
             .lefts = {5040}, .tops = {2880}, .widths = {3975}, .heights = {615},
             .font = arial(12), .look = Selected},
            {.name = "Command10", .kind = ControlKind::Button,
             .texts = {"vocario"},
             .lefts = {600}, .tops = {3600}, .widths = {4000}, .heights = {732},
             .font = arial(13.5)},
            {.name = "Command9", .kind = ControlKind::Button,
             .texts = {"parola corretta"},
             .lefts = {600}, .tops = {2760}, .widths = {4000}, .heights = {732},
             .font = arial(13.5)},
            {.name = "Command8", .kind = ControlKind::Button,
             .texts = {"gradi"},
             .lefts = {5040}, .tops = {240}, .widths = {4000}, .heights = {732},
             .font = arial(13.5)},
            {.name = "Command7", .kind = ControlKind::Button,
             .texts = {"parola intrusa"},
             .lefts = {5040}, .tops = {1920}, .widths = {4000}, .heights = {732},
             .font = arial(14.25)},
            {.name = "Command6", .kind = ControlKind::Button,
             .texts = {"abbina gradi"},
             .lefts = {600}, .tops = {4440}, .widths = {4000}, .heights = {732},
             .font = arial(13.5)},
            {.name = "Command5", .kind = ControlKind::Button,
             .texts = {"parola che comprende le altre"},
             .lefts = {5040}, .tops = {1080}, .widths = {4000}, .heights = {732},
             .font = arial(9.75)},
            {.name = "Command4", .kind = ControlKind::Button,
             .texts = {"sinonimi contrari"},
             .lefts = {600}, .tops = {1920}, .widths = {4000}, .heights = {732},
             .font = arial(13.5)},
            {.name = "Command3", .kind = ControlKind::Button,
             .texts = {"abbina sinonimi"},
             .lefts = {600}, .tops = {1080}, .widths = {4000}, .heights = {732},
             .font = arial(13.5)},
            {.name = "Command2", .kind = ControlKind::Button,
             .texts = {"abbina contrari"},
             .lefts = {600}, .tops = {240}, .widths = {4000}, .heights = {732},
             .font = arial(13.5)},
            {.name = "Command1", .kind = ControlKind::Button,
             .texts = {"Esci"},
             .lefts = {5040}, .tops = {4440}, .widths = {3975}, .heights = {732},
             .font = arial(18)},
        }};
    // clang-format on
    return design;
}

} // namespace vocario
