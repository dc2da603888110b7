#include "vocariowindow.h"

#include "appstate.h"
#include "colori.h"
#include "layouts/layoutbuilder.h"
#include "layouts/widgetcolours.h"

namespace vocario {

VocarioWindow::VocarioWindow(const WindowDesign& design, QWidget* parent) : QMainWindow(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    LayoutBuilder::build(design, this);
    backColour_ = design.backColour;
    fixSize();
}

void VocarioWindow::fixSize() {
    setFixedSize(sizeHint());
}

void VocarioWindow::setBackColour(quint32 bgr) {
    backColour_ = bgr;
    vocario::setBackColour(centralWidget(), bgr);
}

void VocarioWindow::setBackColour(QWidget* control, quint32 bgr) {
    vocario::setBackColour(control, bgr);
}

void VocarioWindow::CaricaColori() {
    setBackColour(Colori::estrai(stato().random));
}

} // namespace vocario
