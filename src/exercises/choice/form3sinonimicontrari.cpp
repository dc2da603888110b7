#include "form3sinonimicontrari.h"

#include "colours/colori.h"
#include "core/appstate.h"
#include "layouts/designtextbox.h"
#include "textfitting.h"

#include <QPushButton>

namespace vocario {
namespace {

const QString kSeparatore = QStringLiteral(" / ");

} // namespace

Form3SinonimiContrari::Form3SinonimiContrari(AppState& stato, const ExerciseEntry& entry)
    : ExerciseWindow(stato, entry, {}),
      modello_(entry.lists.at(0).file, entry.lists.at(1).file, entry.lists.at(0).maxRecords) {
    text1_ = control<DesignTextBox>(QStringLiteral("Text1"));
    text1_->setAccessibleName(QStringLiteral("coppia di parole"));
    // Reached by Tab, so that the pair can be heard again.
    text1_->setFocusPolicy(Qt::TabFocus);
    text1_->setTabChangesFocus(true);
    bottone1_ = control<QPushButton>(QStringLiteral("Bottone1"));
    bottone2_ = control<QPushButton>(QStringLiteral("Bottone2"));
    risposte_ = AnswerButtons({bottone1_, bottone2_});
    connect(bottone1_, &QPushButton::clicked, this, &Form3SinonimiContrari::Bottone1_Click);
    connect(bottone2_, &QPushButton::clicked, this, &Form3SinonimiContrari::Bottone2_Click);
}

std::optional<QString> Form3SinonimiContrari::leggiElenco() {
    return leggiPer(modello_);
}

void Form3SinonimiContrari::PreparaTurno() {
    const ModelloSinonimiContrari::Turno& turno =
        modello_.PreparaTurno(stato_.random, [this] { CaricaColori(); });
    TextFitting::mostraNelRiquadro(text1_, turno.voce.testi.join(kSeparatore));
}

QString Form3SinonimiContrari::testoTurno() const {
    return text1_->text().replace(kSeparatore, QStringLiteral(", "));
}

void Form3SinonimiContrari::Bottone1_Click() {
    rispondi(ModelloSinonimiContrari::kSinonimi, bottone1_);
}

void Form3SinonimiContrari::Bottone2_Click() {
    rispondi(ModelloSinonimiContrari::kContrari, bottone2_);
}

void Form3SinonimiContrari::rispondi(qint16 tipoScelto, QPushButton* premuto) {
    const Verdetto verdetto = modello_.giudica(tipoScelto);
    if (!verdetto.esatta) {
        RispostaErrata(verdetto);
        return;
    }
    RispostaEsatta(verdetto);
    PassaAvanti(premuto);
}

void Form3SinonimiContrari::bloccaRisposte(QWidget* premuto) {
    risposte_.blocca(premuto);
}

void Form3SinonimiContrari::riapriRisposte() {
    risposte_.riapri(Colori::GrigioChiaro);
}

} // namespace vocario
