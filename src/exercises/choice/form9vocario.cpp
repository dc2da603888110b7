#include "form9vocario.h"

#include "colours/colori.h"
#include "core/appstate.h"
#include "geometry/twipsgeometry.h"
#include "layouts/designtextbox.h"
#include "textfitting.h"

#include <QLabel>
#include <QPushButton>

namespace vocario {
namespace {

const QString kVuolDire = QStringLiteral("   vuol dire");

} // namespace

Form9Vocario::Form9Vocario(AppState& stato, const ExerciseEntry& entry)
    : ExerciseWindow(stato, entry, {}), modello_(entry.lists.at(0).file) {
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
    return leggiPer(modello_);
}

void Form9Vocario::PreparaTurno() {
    const ModelloVocario::Turno& turno =
        modello_.PreparaTurno(stato_.random, [this] { CaricaColori(); });
    TextFitting::mostraNelRiquadro(text1_, turno.frase);
    label3_->setText(turno.parola + kVuolDire);
    for (int i = 0; i < kNumeroBottoni; ++i) {
        setTopTwips(bottone_[i], kRigheForm9.top(turno.righe[i]));
        TextFitting::mostraSulBottone(bottone_[i], turno.significati[i]);
    }
}

QString Form9Vocario::testoTurno() const {
    const QString frase = text1_->text().trimmed();
    const bool chiusa = frase.endsWith(u'.') || frase.endsWith(u'!') || frase.endsWith(u'?');
    return frase + (chiusa ? QStringLiteral(" ") : QStringLiteral(". ")) +
           label3_->text().simplified();
}

void Form9Vocario::Bottone_Click(int index) {
    const Verdetto verdetto = modello_.giudica(index);
    if (!verdetto.esatta) {
        RispostaErrata(verdetto);
        return;
    }
    RispostaEsatta(verdetto);
    PassaAvanti(bottone_[index]);
}

void Form9Vocario::bloccaRisposte(QWidget* premuto) {
    risposte_.blocca(premuto);
}

void Form9Vocario::riapriRisposte() {
    risposte_.riapri(Colori::FacciaBottone);
}

} // namespace vocario
