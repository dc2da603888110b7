#include "design_form7.h"
#include "geometry/exercisedesign.h"

namespace vocario {

// Intensity ordering.
const WindowDesign& designForm7() {
    // One control a row block, as in the designer.
    // clang-format off
    static const WindowDesign design = exerciseWindowDesign(
        "Form7",
        {.avanti = {.left = 7080, .top = 3480},
         .icons = {.left = 7800, .top = 240},
         .erratiCount = {.left = 8220, .top = 1815},
         .esattiCount = {.left = 8235, .top = 1185},
         .erratiCaptionName = "Label2",
         .erratiCaption = {.left = 7350, .top = 1935},
         .esattiCaption = {.left = 7320, .top = 1305}},
        {
            {.name = "Label6", .kind = ControlKind::Label,
             .texts = {"Trascina ogni parola al posto esatto"},
             .lefts = {480}, .tops = {240}, .widths = {4485}, .heights = {435},
             .look = Transparent},
            // 37 blanks between the two ends of the scale.
            {.name = "Label5", .kind = ControlKind::Label,
             .texts = {"meno intenso                                     più intenso"},
             .lefts = {1155}, .tops = {2730}, .widths = {5265}, .heights = {435},
             .look = Transparent},
            {.name = "Label4", .kind = ControlKind::Label, .count = int(kColonneForm7.size()),
             .texts = {"Label4"},
             .lefts = {kColonneForm7[0], kColonneForm7[1]}, .tops = {1995}, .widths = {3060},
             .heights = {645},
             .font = arial(14.25), .look = Border | Centred, .backColour = 0xC0FFFF},
            {.name = "Label3", .kind = ControlKind::Label, .count = int(kColonneForm7.size()),
             .texts = {"Label3"},
             .lefts = {kColonneForm7[0], kColonneForm7[1]}, .tops = {840}, .widths = {3060},
             .heights = {645},
             .font = arial(14.25), .look = Border | Centred | Draggable, .backColour = 0xFFFFFF},
        });
    // clang-format on
    return design;
}

} // namespace vocario
