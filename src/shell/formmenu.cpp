#include "formmenu.h"

#include "appstate.h"
#include "finestracontrolloelenchi.h"
#include "layouts/designs.h"
#include "layouts/widgetcolours.h"
#include "messaggi.h"
#include "navigazione.h"

#include <QPushButton>
#include <QRadioButton>

namespace vocario {

FormMenu::FormMenu() : VocarioWindow(designFormMenu()) {
    connect(control<QPushButton>(QStringLiteral("Command1")), &QPushButton::clicked, this,
            [this] { Messaggi::ConfermaUscita(this); });
    // Command2 opens Form1, Command3 Form2, ... Command10 Form9.
    for (int command = 2; command <= 10; ++command) {
        auto* button = control<QPushButton>(QStringLiteral("Command%1").arg(command));
        connect(button, &QPushButton::clicked, this,
                [this, command] { Navigazione::apriEsercizio(command - 1, this); });
    }
    connect(control<QPushButton>(QStringLiteral("BottoneElenchi")), &QPushButton::clicked, this,
            [this] { mostraControlloElenchi(this); });
    for (int index = 0; index < 2; ++index) {
        connect(member<QRadioButton>(QStringLiteral("Option1"), index), &QRadioButton::toggled,
                this, [this, index](bool on) {
                    if (on)
                        Option1_Click(index);
                });
    }

    CaricaColori();
    vocario::setBackColour(member(QStringLiteral("Option1"), 0), backColour());
    vocario::setBackColour(member(QStringLiteral("Option1"), 1), backColour());
    member<QRadioButton>(QStringLiteral("Option1"), stato().AttendeBottone == -1 ? 1 : 0)
        ->setChecked(true);
}

void FormMenu::Option1_Click(int index) {
    stato().AttendeBottone = index != 0 ? -1 : 0;
}

} // namespace vocario
