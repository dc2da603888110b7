#include "vocariowindow.h"

#include "appstate.h"
#include "aspettoparole.h"
#include "colori.h"
#include "layouts/layoutbuilder.h"
#include "layouts/widgetcolours.h"

namespace vocario {

VocarioWindow::VocarioWindow(const WindowDesign& design, AppState& stato, BarraDeiMenu barra)
    : stato_(stato), posto_(PostoFinestra::per(this, design, stato.opzioni.dimensione,
                                               barra == BarraDeiMenu::Con)) {
    setAttribute(Qt::WA_DeleteOnClose);
    LayoutBuilder::build(design, this, posto_.scala());
    AspettoParole::applica(this, stato_.opzioni);
    backColour_ = design.backColour;
    fixSize();
}

bool VocarioWindow::hasControl(const QString& name) const {
    return findChild<QWidget*>(name) != nullptr;
}

void VocarioWindow::controlloMancante(const QString& name) const {
    qFatal("%s has no control %s of the kind asked for", qPrintable(objectName()),
           qPrintable(name));
}

void VocarioWindow::fixSize() {
    posto_.sistema(this);
}

void VocarioWindow::setBackColour(quint32 bgr) {
    backColour_ = bgr;
    vocario::setBackColour(centralWidget(), bgr);
}

void VocarioWindow::setBackColour(QWidget* control, quint32 bgr) {
    vocario::setBackColour(control, bgr);
}

void VocarioWindow::CaricaColori() {
    setBackColour(Colori::estrai(stato_.random));
}

} // namespace vocario
