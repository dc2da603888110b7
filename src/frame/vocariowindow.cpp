#include "vocariowindow.h"

#include "access/accessiblecontrols.h"
#include "access/doubleclickguard.h"
#include "access/keyboardaccess.h"
#include "accessibilita.h"
#include "colours/colori.h"
#include "colours/widgetcolours.h"
#include "core/appstate.h"
#include "layouts/aspettoparole.h"
#include "layouts/layoutbuilder.h"

namespace vocario {

VocarioWindow::VocarioWindow(const WindowDesign& design, AppState& stato, BarraDeiMenu barra)
    : stato_(stato), posto_(PostoFinestra::per(this, design, stato.opzioni.dimensione,
                                               barra == BarraDeiMenu::Con)) {
    setAttribute(Qt::WA_DeleteOnClose);
    // Before any control exists: a screen reader may ask for one at once.
    AccessibleControls::install();
    LayoutBuilder::build(design, this, posto_.scala());
    AspettoParole::applica(this, stato_.opzioni);
    backColour_ = design.backColour;
    fixSize();
    KeyboardAccess::install(this);
    DoubleClickGuard::install();
    Accessibilita::prepara(this);
}

bool VocarioWindow::focusNextPrevChild(bool next) {
    KeyboardAccess::beforeFocusMove(this);
    return QMainWindow::focusNextPrevChild(next);
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
