#include "form9vocario.h"

#include "colours/colori.h"
#include "core/appstate.h"
#include "core/cartelleelenchi.h"
#include "exercises/scombiccheraposti.h"
#include "layouts/designtextbox.h"
#include "textfitting.h"
#include "wordlists/wordlistfiles.h"

#include <QLabel>
#include <QPushButton>

namespace vocario {
namespace {

constexpr int kCampiPerVoce = 5;
const QString kVuolDire = QStringLiteral("   vuol dire");

} // namespace

Form9Vocario::Form9Vocario(AppState& stato, const ExerciseEntry& entry)
    : ExerciseWindow(stato, entry, {}) {
    text1_ = control<DesignTextBox>(QStringLiteral("Text1"));
    text1_->setAccessibleName(QStringLiteral("frase"));
    // Reached by Tab, so that the sentence can be heard again.
    text1_->setFocusPolicy(Qt::TabFocus);
    text1_->setTabChangesFocus(true);
    label3_ = control<QLabel>(QStringLiteral("Label3"));
    for (int i = 0; i < kNumeroBottoni; ++i) {
        bottone_[i] = member<QPushButton>(QStringLiteral("Bottone"), i);
        connect(bottone_[i], &QPushButton::clicked, this, [this, i] { Bottone_Click(i); });
    }
    risposte_ = AnswerButtons({bottone_.begin(), bottone_.end()});
}

std::optional<QString> Form9Vocario::leggiElenco() {
    const WordListReader reader = CartelleElenchi::lettoreElenchi(stato_);
    qint16 numero = 0;
    const WordListResult result =
        leggiTabella(reader, elenco().file, kCampiPerVoce, 1, TabellaVocario, numero);
    if (!result.ok)
        return result.error;
    if (std::optional<QString> corto = elencoTroppoCorto(numero))
        return corto;
    numeroVoci_ = numero;
    return std::nullopt;
}

void Form9Vocario::PreparaTurno() {
    CaricaColori();
    const int riga = stato_.random.wholeNumber(numeroVoci_);
    ScombiccheraPosti();
    const auto& voce = TabellaVocario[size_t(riga)];
    TextFitting::mostraNelRiquadro(text1_, voce[1]);
    voce_ = voce[2] + QStringLiteral(" / ") + voce[3];
    label3_->setText(voce[2] + kVuolDire);
    for (int i = 0; i < kNumeroBottoni; ++i)
        TextFitting::mostraSulBottone(bottone_[i], voce[size_t(3 + i)]);
}

QString Form9Vocario::testoTurno() const {
    const QString frase = text1_->text().trimmed();
    const bool chiusa = frase.endsWith(u'.') || frase.endsWith(u'!') || frase.endsWith(u'?');
    return frase + (chiusa ? QStringLiteral(" ") : QStringLiteral(". ")) +
           label3_->text().simplified();
}

void Form9Vocario::ScombiccheraPosti() {
    vocario::ScombiccheraPosti({bottone_.begin(), bottone_.end()}, kRigheForm9, stato_.random);
}

void Form9Vocario::Bottone_Click(int index) {
    annota(voce_, bottone_[index]->text());
    if (index != 0) {
        RispostaErrata();
        return;
    }
    RispostaEsatta();
    PassaAvanti(bottone_[0]);
}

void Form9Vocario::bloccaRisposte(QWidget* premuto) {
    risposte_.blocca(premuto);
}

void Form9Vocario::riapriRisposte() {
    risposte_.riapri(Colori::FacciaBottone);
}

} // namespace vocario
