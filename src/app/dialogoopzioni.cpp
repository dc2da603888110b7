#include "dialogoopzioni.h"

#include "core/appstate.h"
#include "core/speechoutput.h"
#include "geometry/designscale.h"
#include "layouts/aspettoparole.h"
#include "options/opzionisalvate.h"
#include "speech/lettore.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
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
    for (QAbstractButton* scelta : std::initializer_list<QAbstractButton*>{
             normale_, grande_, schermoIntero_, leggi_, leggibile_, maiuscolo_})
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

    auto* dimensione =
        nominato(new QGroupBox(QStringLiteral("Dimensione delle finestre")), "SceltaDimensione");
    auto* dimensioni = new QVBoxLayout(dimensione);
    normale_ = nominato(new QRadioButton(QStringLiteral("normale")), "DimensioneNormale");
    grande_ = nominato(new QRadioButton(QStringLiteral("grande")), "DimensioneGrande");
    schermoIntero_ =
        nominato(new QRadioButton(QStringLiteral("schermo intero")), "DimensioneSchermoIntero");
    for (QRadioButton* scelta : {normale_, grande_, schermoIntero_})
        dimensioni->addWidget(scelta);
    colonna->addWidget(dimensione);

    leggi_ = nominato(new QCheckBox(QStringLiteral("Leggi ad alta voce")), "LeggiAdAltaVoce");
    motivoVoce_ = motivo("MotivoVoce");
    leggibile_ =
        nominato(new QCheckBox(QStringLiteral("Caratteri ad alta leggibilità")), "AltaLeggibilita");
    motivoCaratteri_ = motivo("MotivoCaratteri");
    maiuscolo_ = nominato(new QCheckBox(QStringLiteral("STAMPATO MAIUSCOLO")), "Maiuscolo");
    for (QWidget* riga :
         {static_cast<QWidget*>(leggi_), static_cast<QWidget*>(motivoVoce_),
          static_cast<QWidget*>(leggibile_), static_cast<QWidget*>(motivoCaratteri_),
          static_cast<QWidget*>(maiuscolo_)})
        colonna->addWidget(riga);
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

void DialogoOpzioni::mostraScelte() {
    const Opzioni& o = stato_.opzioni;
    normale_->setChecked(o.dimensione == Dimensione::Normale);
    grande_->setChecked(o.dimensione == Dimensione::Grande);
    schermoIntero_->setChecked(o.dimensione == Dimensione::SchermoIntero);
    leggi_->setChecked(o.leggiAdAltaVoce);
    leggibile_->setChecked(o.altaLeggibilita);
    maiuscolo_->setChecked(o.maiuscolo);
}

void DialogoOpzioni::scelto() {
    Opzioni& o = stato_.opzioni;
    o.dimensione = grande_->isChecked()          ? Dimensione::Grande
                   : schermoIntero_->isChecked() ? Dimensione::SchermoIntero
                                                 : Dimensione::Normale;
    if (leggi_->isEnabled()) // off only because no voice was found: the choice stays
        o.leggiAdAltaVoce = leggi_->isChecked();
    o.altaLeggibilita = leggibile_->isChecked();
    o.maiuscolo = maiuscolo_->isChecked();
    Lettore::aggiorna(stato_);
    nonSalvate_->setVisible(!OpzioniSalvate::salva(o));
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
    QWidget* previous = maiuscolo_;
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
