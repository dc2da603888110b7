#include "answerbuttons.h"

#include "layouts/widgetcolours.h"
#include "shell/colori.h"

#include <QPushButton>

namespace vocario {

void AnswerButtons::blocca(QWidget* premuto) {
    if (premuto)
        setBackColour(premuto, Colori::Rosso);
    for (QPushButton* button : std::as_const(buttons_))
        button->setEnabled(false);
}

void AnswerButtons::riapri(quint32 bgr) {
    for (QPushButton* button : std::as_const(buttons_)) {
        setBackColour(button, bgr);
        button->setEnabled(true);
    }
}

} // namespace vocario
