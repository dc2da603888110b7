#include "form3sinonimicontrari.h"

#include "colours/colori.h"
#include "core/appstate.h"
#include "core/cartelleelenchi.h"
#include "layouts/designtextbox.h"
#include "textfitting.h"
#include "wordlists/wordlistfiles.h"

#include <QPushButton>

namespace vocario {
namespace {

const QString kSeparatore = QStringLiteral(" / ");

} // namespace

Form3SinonimiContrari::Form3SinonimiContrari(AppState& stato, const ExerciseEntry& entry)
    : ExerciseWindow(stato, entry, {}) {
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
    // Both passes fill copies of the shared tables, which take the new words
    // only when both lists can be used: a refused opening changes nothing.
    AppState& s = stato_;
    WordColumn parole1 = s.Parole1;
    WordColumn parole3 = s.Parole3;
    WordColumn parole2 = s.Parole2;
    WordColumn parole4 = s.Parole4;
    qint16 numeroSinonimi = 0;
    qint16 numeroContrari = 0;
    const WordListReader reader = CartelleElenchi::lettoreElenchi(s);

    const ListNeed& elencoSinonimi = elenco(0);
    const WordListResult sinonimi = leggiDueCampi(reader, elencoSinonimi.file, parole1, parole3,
                                                  numeroSinonimi, elencoSinonimi.maxRecords);
    if (!sinonimi.ok)
        return sinonimi.error;
    if (std::optional<QString> corto = elencoTroppoCorto(numeroSinonimi, 0))
        return corto;
    const ListNeed& elencoContrari = elenco(1);
    const WordListResult contrari = leggiDueCampi(reader, elencoContrari.file, parole2, parole4,
                                                  numeroContrari, elencoContrari.maxRecords);
    if (!contrari.ok)
        return contrari.error;
    if (std::optional<QString> corto = elencoTroppoCorto(numeroContrari, 1))
        return corto;

    s.Parole1 = std::move(parole1);
    s.Parole3 = std::move(parole3);
    s.NumeroParole = numeroSinonimi;
    s.Parole2 = std::move(parole2);
    s.Parole4 = std::move(parole4);
    s.NumeroParole2 = numeroContrari;
    return std::nullopt;
}

void Form3SinonimiContrari::PreparaTurno() {
    CaricaColori();
    AppState& s = stato_;
    s.Estratto = qint16(s.random.wholeNumber(2));
    if (s.Estratto == kSinonimi) {
        const int k = s.random.wholeNumber(s.NumeroParole);
        TextFitting::mostraNelRiquadro(text1_, s.Parole1[k] + kSeparatore + s.Parole3[k]);
        voce_ = s.Parole1[k] + QStringLiteral(" / ") + s.Parole3[k];
    } else {
        const int k = s.random.wholeNumber(s.NumeroParole2);
        TextFitting::mostraNelRiquadro(text1_, s.Parole2[k] + kSeparatore + s.Parole4[k]);
        voce_ = s.Parole2[k] + QStringLiteral(" / ") + s.Parole4[k];
    }
}

QString Form3SinonimiContrari::testoTurno() const {
    return text1_->text().replace(kSeparatore, QStringLiteral(", "));
}

void Form3SinonimiContrari::Bottone1_Click() {
    rispondi(kSinonimi, bottone1_);
}

void Form3SinonimiContrari::Bottone2_Click() {
    rispondi(kContrari, bottone2_);
}

void Form3SinonimiContrari::rispondi(qint16 tipoScelto, QPushButton* premuto) {
    annota(voce_, premuto->text());
    if (stato_.Estratto != tipoScelto) {
        RispostaErrata();
        return;
    }
    RispostaEsatta();
    PassaAvanti(premuto);
}

void Form3SinonimiContrari::bloccaRisposte(QWidget* premuto) {
    risposte_.blocca(premuto);
}

void Form3SinonimiContrari::riapriRisposte() {
    risposte_.riapri(Colori::GrigioChiaro);
}

} // namespace vocario
