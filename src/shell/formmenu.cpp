#include "formmenu.h"

#include "appstate.h"
#include "finestracontrolloelenchi.h"
#include "layouts/contrasto.h"
#include "bottoneopzioni.h"
#include "dialogoopzioni.h"
#include "layouts/designs.h"
#include "layouts/widgetcolours.h"
#include "messaggi.h"
#include "navigazione.h"

#include <QPushButton>
#include <QRadioButton>

namespace vocario {

FormMenu::FormMenu(AppState& stato) : VocarioWindow(designFormMenu(), stato) {
    connect(control<QPushButton>(QStringLiteral("Command1")), &QPushButton::clicked, this,
            [this] { Messaggi::ConfermaUscita(this); });
    const Catalogo& esercizi = Navigazione::esercizi();
    for (int numero = 1; numero <= int(esercizi.size()); ++numero) {
        const char* bottone = esercizi[size_t(numero - 1)].menuButton;
        connect(control<QPushButton>(QLatin1String(bottone)), &QPushButton::clicked, this,
                [this, numero] { Navigazione::apriEsercizio(numero, this); });
    }
    connect(control<QPushButton>(QStringLiteral("BottoneElenchi")), &QPushButton::clicked, this,
            [this] { mostraControlloElenchi(stato_, this); });
    for (int index = 0; index < 2; ++index) {
        connect(member<QRadioButton>(QStringLiteral("Option1"), index), &QRadioButton::toggled,
                this, [this, index](bool on) {
                    if (on)
                        Option1_Click(index);
                });
    }

    connect(BottoneOpzioni::aggiungi(this), &QPushButton::clicked, this, &FormMenu::apriOpzioni);

    CaricaColori();
    for (int index = 0; index < 2; ++index) {
        QWidget* option = member(QStringLiteral("Option1"), index);
        vocario::setBackColour(option, backColour());
        // White captions where black is hard to read on the menu's colour.
        setForeColour(option, Contrasto::testoSuBgr(backColour()));
    }
    member<QRadioButton>(QStringLiteral("Option1"), stato_.AttendeBottone == -1 ? 1 : 0)
        ->setChecked(true);
}

void FormMenu::apriOpzioni() {
    auto* dialogo = new DialogoOpzioni(stato_, this);
    connect(dialogo, &QDialog::finished, this, [this, prima = stato_.opzioni.dimensione] {
        // A new size shows at once: the menu is built again at it.
        if (stato_.opzioni.dimensione != prima)
            Navigazione::mostraMenu(this);
    });
    dialogo->open();
}

void FormMenu::Option1_Click(int index) {
    stato_.AttendeBottone = index != 0 ? -1 : 0;
}

} // namespace vocario
