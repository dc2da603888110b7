#include "answerbuttons.h"

#include "layouts/widgetcolours.h"
#include "shell/colori.h"

#include <QPushButton>

namespace vocario {

AnswerButtons::AnswerButtons(QList<QPushButton*> buttons) : buttons_(std::move(buttons)) {
    // A locked caption stays legible on the red of the right answer: the
    // usual disabled grey is too pale there.
    for (QPushButton* button : std::as_const(buttons_)) {
        QPalette palette = button->palette();
        palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x60, 0x60, 0x60));
        button->setPalette(palette);
    }
}

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
