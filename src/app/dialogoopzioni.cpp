#include "dialogoopzioni.h"

#include "controlliopzioni.h"
#include "core/appstate.h"
#include "core/speechoutput.h"
#include "geometry/designscale.h"
#include "layouts/aspettoparole.h"
#include "options/opzionisalvate.h"
#include "speech/lettore.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace vocario {
namespace {

constexpr std::chrono::milliseconds kGuardaLaVoce{250};

template <typename T> T* nominato(T* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel* motivo(const char* name) {
    auto* label = nominato(new QLabel, name);
    label->setWordWrap(true);
    label->setIndent(24);
    label->hide();
    return label;
}

} // namespace

DialogoOpzioni::DialogoOpzioni(AppState& stato, QWidget* menu) : QDialog(menu), stato_(stato) {
    setObjectName(QStringLiteral("DialogoOpzioni"));
    setWindowTitle(QStringLiteral("Vocario – Opzioni"));
    setAttribute(Qt::WA_DeleteOnClose);
    // As large as the menu it comes from.
    if (auto* window = qobject_cast<QMainWindow*>(menu); window && window->centralWidget()) {
        QFont grande = font();
        grande.setPointSizeF(designScaleOf(window->centralWidget()).points(grande.pointSizeF()));
        setFont(grande);
    }
    costruisci();
    mostraScelte();
    for (QAbstractButton* scelta : controlli_->scelte())
        connect(scelta, &QAbstractButton::toggled, this, &DialogoOpzioni::scelto);
    // Whether a voice can read Italian is found out in the background.
    Lettore::preparaVoce(stato_);
    attesaVoce_ = new QTimer(this);
    attesaVoce_->setInterval(kGuardaLaVoce);
    connect(attesaVoce_, &QTimer::timeout, this, &DialogoOpzioni::guardaLaVoce);
    guardaLaVoce();
}

void DialogoOpzioni::costruisci() {
    auto* colonna = new QVBoxLayout(this);
    // As small as what it shows: a reason line that goes leaves no gap.
    colonna->setSizeConstraint(QLayout::SetFixedSize);

    motivoVoce_ = motivo("MotivoVoce");
    motivoCaratteri_ = motivo("MotivoCaratteri");
    // Each reason under its choice.
    controlli_ = std::make_unique<ControlliOpzioni>(
        colonna, [this, colonna](const char* chiave, QWidget* controllo) {
            if (qstrcmp(chiave, "leggiAdAltaVoce") == 0) {
                leggi_ = static_cast<QAbstractButton*>(controllo);
                colonna->addWidget(motivoVoce_);
            } else if (qstrcmp(chiave, "altaLeggibilita") == 0) {
                leggibile_ = static_cast<QAbstractButton*>(controllo);
                colonna->addWidget(motivoCaratteri_);
            }
        });
    if (AspettoParole::carattereLeggibileInstallato()) {
        // The choice shows the letters it gives.
        QFont esempio = leggibile_->font();
        esempio.setFamily(QString::fromLatin1(AspettoParole::kCarattereLeggibile));
        leggibile_->setFont(esempio);
    } else {
        leggibile_->setEnabled(false);
        motivoCaratteri_->setText(QStringLiteral("Manca il carattere %1 (pacchetto "
                                                 "fonts-sil-andika).")
                                      .arg(QLatin1String(AspettoParole::kCarattereLeggibile)));
        motivoCaratteri_->show();
    }

    // The teacher's tools go in this row.
    sezioneInsegnante_ =
        nominato(new QGroupBox(QStringLiteral("Per l'insegnante")), "SezioneInsegnante");
    rigaInsegnante_ = nominato(new QHBoxLayout(sezioneInsegnante_), "RigaInsegnante");
    colonna->addWidget(sezioneInsegnante_);

    nonSalvate_ = motivo("NonSalvate");
    nonSalvate_->setIndent(0);
    nonSalvate_->setText(QStringLiteral("Le scelte valgono fino alla chiusura del programma: "
                                        "non si possono salvare."));
    colonna->addWidget(nonSalvate_);

    auto* chiudi = nominato(new QPushButton(QStringLiteral("Chiudi")), "Chiudi");
    connect(chiudi, &QPushButton::clicked, this, &QDialog::accept);
    colonna->addWidget(chiudi, 0, Qt::AlignRight);
}

DialogoOpzioni::~DialogoOpzioni() = default;

void DialogoOpzioni::mostraScelte() {
    controlli_->mostra(stato_.opzioni);
}

void DialogoOpzioni::scelto() {
    stato_.opzioni = controlli_->lette(stato_.opzioni);
    Lettore::aggiorna(stato_);
    nonSalvate_->setVisible(!OpzioniSalvate::salva(stato_.opzioni));
}

void DialogoOpzioni::guardaLaVoce() {
    const SpeechOutput* voce = stato_.voce.get();
    const auto pronta = voce ? voce->readiness() : SpeechOutput::Readiness::Unavailable;
    if (pronta == SpeechOutput::Readiness::Finding) {
        motivoVoce_->setText(QStringLiteral("Si cerca una voce italiana…"));
        motivoVoce_->show();
        // Its line stays when the voice is found: nothing below it jumps.
        QSizePolicy riga = motivoVoce_->sizePolicy();
        riga.setRetainSizeWhenHidden(true);
        motivoVoce_->setSizePolicy(riga);
        attesaVoce_->start();
        return;
    }
    attesaVoce_->stop();
    const bool disponibile = pronta == SpeechOutput::Readiness::Ready;
    motivoVoce_->setVisible(!disponibile);
    if (disponibile)
        return;
    motivoVoce_->setText(voce ? voce->unavailableReason() : QString());
    // Shown off, and the program reads nothing; the stored choice stays for
    // a run where a voice is there.
    const QSignalBlocker quiet(leggi_);
    leggi_->setChecked(false);
    leggi_->setEnabled(false);
}

void DialogoOpzioni::showEvent(QShowEvent* event) {
    sezioneInsegnante_->setVisible(rigaInsegnante_->count() > 0);
    // Tab goes down the dialog: the teacher's buttons, added last, come
    // before "Chiudi"; a text (the folder's name) is no stop.
    QWidget* previous = controlli_->scelte().constLast();
    for (QWidget* control : sezioneInsegnante_->findChildren<QWidget*>()) {
        if (qobject_cast<QLabel*>(control))
            control->setFocusPolicy(Qt::NoFocus);
        if (control->focusPolicy() & Qt::TabFocus) {
            setTabOrder(previous, control);
            previous = control;
        }
    }
    if (auto* chiudi = findChild<QPushButton*>(QStringLiteral("Chiudi")))
        setTabOrder(previous, chiudi);
    QDialog::showEvent(event);
}

} // namespace vocario
