#include "formmenu.h"

#include "bottoneopzioni.h"
#include "colours/contrasto.h"
#include "colours/widgetcolours.h"
#include "core/appstate.h"
#include "core/cartelleelenchi.h"
#include "core/registrazione.h"
#include "designs/designs.h"
#include "dialogoopzioni.h"
#include "frame/messaggi.h"
#include "frame/percorso.h"
#include "moduloinsegnante.h"
#include "teacher/finestracontrolloelenchi.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vocario {

FormMenu::FormMenu(AppState& stato) : VocarioWindow(designFormMenu(), stato) {
    connect(control<QPushButton>(QStringLiteral("Command1")), &QPushButton::clicked, this,
            [this] { Messaggi::ConfermaUscita(this); });
    const Catalogo& esercizi = Percorso::esercizi();
    for (int numero = 1; numero <= int(esercizi.size()); ++numero) {
        const char* bottone = esercizi[size_t(numero - 1)].menuButton;
        connect(control<QPushButton>(QLatin1String(bottone)), &QPushButton::clicked, this,
                [this, numero] { Percorso::apriEsercizio(numero, this); });
    }
    for (int index = 0; index < 2; ++index) {
        connect(member<QRadioButton>(QStringLiteral("Option1"), index), &QRadioButton::toggled,
                this, [this, index](bool on) {
                    if (on)
                        Option1_Click(index);
                });
    }

    connect(BottoneOpzioni::aggiungi(this), &QPushButton::clicked, this, &FormMenu::apriOpzioni);
    // Pupils take turns at one PC: the next one sees whose answers these are.
    QLabel* rigaRegistro = nullptr;
    RegistroClasse* registro = Percorso::registro();
    if (stato_.registrazione) {
        // With the register's line when the answers wait for it.
        const QString avviso = registro ? registro->avviso() : QString();
        rigaRegistro = BottoneOpzioni::aggiungiRigaRegistro(
            this, QStringLiteral("Gioca: %1").arg(stato_.registrazione->chiGioca()) +
                      (avviso.isEmpty() ? QString() : u'\n' + avviso));
        // The next pupil takes the PC without the program being left.
        if (registro)
            connect(BottoneOpzioni::aggiungiCambiaAlunno(this), &QPushButton::clicked, this,
                    [this, registro] {
                        if (!registro->cambiaAlunno(stato_, this))
                            Percorso::mostraMenu(this);
                    });
    } else if (registro) {
        rigaRegistro = BottoneOpzioni::aggiungiRigaRegistro(this, registro->avviso());
    }

    CaricaColori();
    for (int index = 0; index < 2; ++index) {
        QWidget* option = member(QStringLiteral("Option1"), index);
        vocario::setBackColour(option, backColour());
        // White captions where black is hard to read on the menu's colour.
        setForeColour(option, Contrasto::testoSuBgr(backColour()));
    }
    if (rigaRegistro)
        setForeColour(rigaRegistro, Contrasto::testoSuBgr(backColour()));
    member<QRadioButton>(QStringLiteral("Option1"), stato_.AttendeBottone == -1 ? 1 : 0)
        ->setChecked(true);
}

void FormMenu::apriOpzioni() {
    auto* dialogo = new DialogoOpzioni(stato_, this);
    // The teacher's part: the check of the word lists, and where their own go.
    auto* elenchi = new QPushButton(QStringLiteral("Controlla gli elenchi"), dialogo);
    elenchi->setObjectName(QStringLiteral("BottoneElenchi"));
    connect(elenchi, &QPushButton::clicked, dialogo,
            [this, dialogo] { mostraControlloElenchi(stato_, dialogo); });
    auto* cartella =
        new QLabel(QStringLiteral("Elenchi dell'insegnante: %1")
                       .arg(QDir::toNativeSeparators(CartelleElenchi::insegnante(stato_))),
                   dialogo);
    cartella->setObjectName(QStringLiteral("CartellaInsegnante"));
    cartella->setWordWrap(true);
    cartella->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Worksheets on paper from the same lists.
    auto* schede = new QPushButton(QStringLiteral("Schede da stampare"), dialogo);
    schede->setObjectName(QStringLiteral("BottoneSchede"));
    connect(schede, &QPushButton::clicked, dialogo, [this, dialogo] {
        ModuloInsegnante::mostraSchedeDaStampare(stato_, Percorso::esercizi(), dialogo);
    });
    auto* colonna = new QVBoxLayout;
    colonna->addWidget(cartella);
    colonna->addWidget(elenchi, 0, Qt::AlignLeft);
    colonna->addWidget(schede, 0, Qt::AlignLeft);
    if (RegistroClasse* registro = Percorso::registro())
        registro->aggiungiAlleOpzioni(stato_, dialogo, colonna);
    dialogo->rigaInsegnante()->addLayout(colonna, 1);
    connect(dialogo, &QDialog::finished, this, [this, prima = stato_.opzioni.dimensione] {
        // A new size shows at once: the menu is built again at it.
        if (stato_.opzioni.dimensione != prima)
            Percorso::mostraMenu(this);
    });
    dialogo->open();
}

void FormMenu::Option1_Click(int index) {
    stato_.AttendeBottone = index != 0 ? -1 : 0;
}

} // namespace vocario
