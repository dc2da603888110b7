#include "form7gradi.h"

#include "core/appstate.h"
#include "core/cartelleelenchi.h"
#include "geometry/twipsgeometry.h"
#include "layouts/designlabel.h"
#include "wordlists/wordlistfiles.h"

namespace vocario {
namespace {

// Left edges of the two words, the same as those of the places below them.
constexpr int kLatoSinistro = kColonneForm7[0];
constexpr int kLatoDestro = kColonneForm7[1];

} // namespace

Form7Gradi::Form7Gradi(AppState& stato, const ExerciseEntry& entry)
    : ExerciseWindow(stato, entry, {}) {
    for (int k = 0; k < kParole; ++k) {
        label3_[k] = member<DesignLabel>(QStringLiteral("Label3"), k);
        label4_[k] = member<DesignLabel>(QStringLiteral("Label4"), k);
    }
    // The ends of the scale below them name the two places.
    label4_[0]->setAccessibleName(QStringLiteral("meno intenso"));
    label4_[1]->setAccessibleName(QStringLiteral("più intenso"));
    connectMatchDrops(this, kParole,
                      [this](int i, int source) { return Label4_DragDrop(i, source); });
}

std::optional<QString> Form7Gradi::leggiElenco() {
    AppState& s = stato_;
    const WordListResult result =
        leggiDueCampi(CartelleElenchi::lettoreElenchi(s), elenco().file, s.Parole1, s.Parole2,
                      s.NumeroParole, elenco().maxRecords);
    if (!result.ok)
        return result.error;
    return elencoTroppoCorto(s.NumeroParole);
}

void Form7Gradi::PreparaTurno() {
    AppState& s = stato_;
    CoppieFatte = 0;
    CaricaColori();
    const int k = s.random.wholeNumber(s.NumeroParole);
    s.Estratto = qint16(k);
    label3_[0]->setText(s.Parole1[size_t(k)]);
    label3_[1]->setText(s.Parole2[size_t(k)]);
    for (DesignLabel* label : label3_)
        label->setEnabled(true);
    // Estratto keeps the record; the side is a draw of this deal alone.
    const bool menoASinistra = s.random.wholeNumber(2) == 1;
    setLeftTwips(label3_[0], menoASinistra ? kLatoSinistro : kLatoDestro);
    setLeftTwips(label3_[1], menoASinistra ? kLatoDestro : kLatoSinistro);
    for (DesignLabel* label : label4_)
        label->setText(QString());
}

DropVerdict Form7Gradi::Label4_DragDrop(int i, int source) {
    // The item is the pair of words in their order; given, the word and the place it went to.
    annota(stato_.Parole1[size_t(stato_.Estratto)] + QStringLiteral(" / ") +
               stato_.Parole2[size_t(stato_.Estratto)],
           QStringLiteral("%1 → %2").arg(label3_[source]->text()).arg(i + 1));
    if (source != i) {
        RispostaErrata();
        return DropVerdict::Wrong;
    }
    parolaAlSuoPosto(i);
    return DropVerdict::Right;
}

void Form7Gradi::parolaAlSuoPosto(int i) {
    DesignLabel* trascinata = label3_[i];
    // An item counts once, when its second word is in place; the count shown
    // is the one after this drop.
    const bool completo = ++CoppieFatte == kParole;
    RispostaEsatta(completo);
    label4_[i]->setText(trascinata->text());
    trascinata->setText(QString());
    trascinata->setEnabled(false);
    if (completo)
        PassaAvanti(trascinata);
}

} // namespace vocario
