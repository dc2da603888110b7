#include "bottoneopzioni.h"

#include "frame/vocariowindow.h"
#include "layouts/layoutbuilder.h"

#include <QLabel>
#include <QPushButton>

namespace vocario::BottoneOpzioni {
namespace {

// Twips, as the menu's design has its buttons: the size and face of
// Command2..Command10, halfway between the two columns (600 and 5040 wide
// 4000), as far from the bottom as the first row is from the top.
const ControlDesign& riga() {
    static const ControlDesign design{.name = "BottoneOpzioni",
                                      .kind = ControlKind::Button,
                                      .count = 0,
                                      .texts = {"Opzioni"},
                                      .lefts = {2820},
                                      .tops = {6918},
                                      .widths = {4000},
                                      .heights = {732},
                                      .font = arial(13.5),
                                      .look = Plain};
    return design;
}

const ControlDesign& rigaRegistro() {
    static const ControlDesign design{.name = "EtichettaRegistro",
                                      .kind = ControlKind::Label,
                                      .count = 0,
                                      .texts = {""},
                                      .lefts = {600},
                                      .tops = {5420},
                                      .widths = {8440},
                                      .heights = {1300},
                                      .font = arial(13.5),
                                      .look = Centred | Transparent};
    return design;
}

// In the lower band's right part, as wide as the room beside "Opzioni".
const ControlDesign& cambiaAlunno() {
    static const ControlDesign design{.name = "BottoneCambiaAlunno",
                                      .kind = ControlKind::Button,
                                      .count = 0,
                                      .texts = {"Cambia alunno"},
                                      .lefts = {7040},
                                      .tops = {6918},
                                      .widths = {2000},
                                      .heights = {732},
                                      .font = arial(10.5),
                                      .look = Plain};
    return design;
}

} // namespace

QPushButton* aggiungiCambiaAlunno(VocarioWindow* menu) {
    return static_cast<QPushButton*>(
        LayoutBuilder::addControl(cambiaAlunno(), menu->centralWidget()));
}

QLabel* aggiungiRigaRegistro(VocarioWindow* menu, const QString& testo) {
    if (testo.isEmpty())
        return nullptr;
    auto* riga =
        static_cast<QLabel*>(LayoutBuilder::addControl(rigaRegistro(), menu->centralWidget()));
    riga->setTextFormat(Qt::PlainText); // a pupil's name is shown as it is written
    riga->setWordWrap(true);
    riga->setText(testo);
    return riga;
}

QPushButton* aggiungi(VocarioWindow* menu) {
    return static_cast<QPushButton*>(LayoutBuilder::addControl(riga(), menu->centralWidget()));
}

} // namespace vocario::BottoneOpzioni
