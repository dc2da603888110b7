#include "design_form1.h"
#include "geometry/exercisedesign.h"

namespace vocario {

// Antonym matching.
const WindowDesign& designForm1() {
    // One control a row block, as in the designer.
    // clang-format off
    static const WindowDesign design = exerciseWindowDesign(
        "Form1",
        {.avanti = {.left = 7320, .top = 5040},
         .icons = {.left = 7680, .top = 300},
         .erratiCount = {.left = 8220, .top = 1920},
         .esattiCount = {.left = 8235, .top = 1290},
         .erratiCaptionName = "Label2",
         .erratiCaption = {.left = 7350, .top = 2040},
         .esattiCaption = {.left = 7395, .top = 1410}},
        {
            {.name = "Label5", .kind = ControlKind::Label,
             .texts = {"Trascina la parola nella prima colonna sulla sua contraria che trovi "
                       "nella seconda colonna"},
             .lefts = {315}, .tops = {105}, .widths = {7260}, .heights = {225},
             .look = Transparent},
            // The targets keep their own tops: the last stands 60 twips below
            // the ninth row.
            {.name = "Label4", .kind = ControlKind::Label, .count = kRigheForm1.count,
             .texts = {"Label4"},
             .lefts = {3570}, .tops = {420, 1050, 1680, 2310, 2940, 3570, 4200, 4830, 5520},
             .widths = {3495}, .heights = {375},
             .font = arial(12), .look = Border | Centred, .backColour = 0xFFFFFF},
            {.name = "Label3", .kind = ControlKind::Label, .count = kRigheForm1.count,
             .texts = {"Label3"},
             .lefts = {315}, .tops = kRigheForm1.tops(), .widths = {2700},
             .heights = kNineWordHeights,
             .font = arial(12), .look = Border | Centred | Draggable, .backColour = 0xFFFFFF},
        });
    // clang-format on
    return design;
}

} // namespace vocario
