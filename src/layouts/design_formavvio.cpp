#include "designs.h"

// The tables keep one control a row, as in the designer.
// clang-format off
namespace vocario {

const WindowDesign& designFormAvvio() {
    static const WindowDesign design{"FormAvvio",
                                     "Form1",
                                     1800,
                                     1935,
                                     10530,
                                     9075,
                                     0xFFFF00,
                                     Picture::Bambino,
                                     {
                                         {"BottoneAvvio", ControlKind::Button, 0, {"Avvio"}, {2835},
                                          {4200}, {4110}, {1275}, msSansSerif(18), Graphical,
                                          kNoColour, Picture::Bambino},
                                         {"Label2(1)", ControlKind::Label, 0, {"Scrivellini"},
                                          {2280}, {480}, {4932}, {852}, arial(18), Transparent,
                                          0xFFFF00},
                                         {"Label2(0)", ControlKind::Label, 0, {"Tralvoci"}, {720},
                                          {1575}, {8415}, {2535}, arial(48.75),
                                          Centred | Transparent, 0xFFFF00},
                                     }};
    return design;
}

} // namespace vocario
// clang-format on
