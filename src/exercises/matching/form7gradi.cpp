#include "form7gradi.h"

#include "core/appstate.h"
#include "geometry/twipsgeometry.h"
#include "layouts/designlabel.h"

namespace vocario {
namespace {

// Left edges of the two words, the same as those of the places below them.
constexpr int kLatoSinistro = kColonneForm7[0];
constexpr int kLatoDestro = kColonneForm7[1];

} // namespace

Form7Gradi::Form7Gradi(AppState& stato, const ExerciseEntry& entry)
    : ExerciseWindow(stato, entry, {}),
      modello_(entry.lists.at(0).file, entry.lists.at(0).maxRecords) {
    for (int k = 0; k < kParole; ++k) {
        label3_[k] = member<DesignLabel>(QStringLiteral("Label3"), k);
        label4_[k] = member<DesignLabel>(QStringLiteral("Label4"), k);
        // The ends of the scale below them name the two places.
        label4_[k]->setAccessibleName(ModelloGradi::nomiDeiPosti()[size_t(k)]);
    }
    connectMatchDrops(this, kParole,
                      [this](int i, int source) { return Label4_DragDrop(i, source); });
}

std::optional<QString> Form7Gradi::leggiElenco() {
    return leggiPer(modello_);
}

void Form7Gradi::PreparaTurno() {
    const ModelloGradi::Turno& turno =
        modello_.PreparaTurno(stato_.random, [this] { CaricaColori(); });
    for (int k = 0; k < kParole; ++k) {
        label3_[k]->setText(turno.parole[size_t(k)]);
        label3_[k]->setEnabled(true);
        label4_[k]->setText(QString());
    }
    setLeftTwips(label3_[0], turno.menoASinistra ? kLatoSinistro : kLatoDestro);
    setLeftTwips(label3_[1], turno.menoASinistra ? kLatoDestro : kLatoSinistro);
}

DropVerdict Form7Gradi::Label4_DragDrop(int i, int source) {
    const std::optional<Verdetto> verdetto = modello_.giudica(source, i);
    if (!verdetto)
        return DropVerdict::Ignored;
    if (!verdetto->esatta) {
        RispostaErrata(*verdetto);
        return DropVerdict::Wrong;
    }
    parolaAlSuoPosto(i, *verdetto);
    return DropVerdict::Right;
}

void Form7Gradi::parolaAlSuoPosto(int i, const Verdetto& verdetto) {
    DesignLabel* trascinata = label3_[i];
    // The count shown is the one after this drop.
    RispostaEsatta(verdetto);
    label4_[i]->setText(trascinata->text());
    trascinata->setText(QString());
    trascinata->setEnabled(false);
    if (verdetto.turnoFinito)
        PassaAvanti(trascinata);
}

} // namespace vocario
