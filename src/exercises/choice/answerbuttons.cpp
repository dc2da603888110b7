#include "answerbuttons.h"

#include "colours/colori.h"
#include "colours/contrasto.h"
#include "colours/widgetcolours.h"

#include <QPushButton>

namespace vocario {

AnswerButtons::AnswerButtons(QList<QPushButton*> buttons) : buttons_(std::move(buttons)) {}

void AnswerButtons::blocca(QWidget* premuto) {
    if (premuto)
        setBackColour(premuto, Colori::Rosso);
    // A locked caption stays readable on its colour, the red of the right
    // answer included: the usual disabled grey is too pale there.
    for (QPushButton* button : std::as_const(buttons_)) {
        Contrasto::leggibileDaBloccato(button);
        button->setEnabled(false);
    }
}

void AnswerButtons::riapri(quint32 bgr) {
    for (QPushButton* button : std::as_const(buttons_)) {
        setBackColour(button, bgr);
        button->setEnabled(true);
    }
}

} // namespace vocario
