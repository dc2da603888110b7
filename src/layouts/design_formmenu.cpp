#include "designs.h"

// The tables keep one control a row, as in the designer.
// clang-format off
namespace vocario {

const WindowDesign& designFormMenu() {
    static const WindowDesign design{"FormMenu",
                                     "Form2",
                                     1200,
                                     1515,
                                     10230,
                                     7890,
                                     0xC000C0,
                                     Picture::None,
                                     {
                                         {"Option1(0)", ControlKind::OptionButton, 0,
                                          {"prosegue automaticamente  negli esercizi"}, {5040},
                                          {3600}, {4095}, {735}, arial(12), Plain},
                                         {"Option1(1)", ControlKind::OptionButton, 0,
                                          {"attende la pressione del bottone per proseguire"},
                                          {5040}, {2880}, {3975}, {615}, arial(12), Selected},
                                         {"Command10", ControlKind::Button, 0, {"vocario"}, {600},
                                          {3600}, {4000}, {732}, arial(13.5), Plain},
                                         {"Command9", ControlKind::Button, 0, {"parola corretta"},
                                          {600}, {2760}, {4000}, {732}, arial(13.5), Plain},
                                         {"Command8", ControlKind::Button, 0, {"gradi"}, {5040},
                                          {240}, {4000}, {732}, arial(13.5), Plain},
                                         {"Command7", ControlKind::Button, 0, {"parola intrusa"},
                                          {5040}, {1920}, {4000}, {732}, arial(14.25), Plain},
                                         {"Command6", ControlKind::Button, 0, {"abbina gradi"},
                                          {600}, {4440}, {4000}, {732}, arial(13.5), Plain},
                                         {"Command5", ControlKind::Button, 0,
                                          {"parola che comprende le altre"}, {5040}, {1080}, {4000},
                                          {732}, arial(9.75), Plain},
                                         {"Command4", ControlKind::Button, 0, {"sinonimi contrari"},
                                          {600}, {1920}, {4000}, {732}, arial(13.5), Plain},
                                         {"Command3", ControlKind::Button, 0, {"abbina sinonimi"},
                                          {600}, {1080}, {4000}, {732}, arial(13.5), Plain},
                                         {"Command2", ControlKind::Button, 0, {"abbina contrari"},
                                          {600}, {240}, {4000}, {732}, arial(13.5), Plain},
                                         {"Command1", ControlKind::Button, 0, {"Esci"}, {5040},
                                          {4440}, {3975}, {732}, arial(18), Plain},
                                         {"BottoneElenchi", ControlKind::Button, 0,
                                          {"Controlla gli elenchi"}, {2808}, {5640}, {4000},
                                          {732}, arial(13.5), Plain},
                                     }};
    return design;
}

} // namespace vocario
// clang-format on
