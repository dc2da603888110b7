#include "clicktileswindow.h"

#include "colours/colori.h"
#include "colours/contrasto.h"
#include "colours/widgetcolours.h"
#include "core/appstate.h"
#include "geometry/twipsgeometry.h"
#include "layouts/designlabel.h"

namespace vocario {

ClickTilesWindow::ClickTilesWindow(AppState& stato, const ExerciseEntry& entry,
                                   const ClickTilesVariant& variant)
    : ExerciseWindow(stato, entry, {}), variant_(variant),
      modello_(entry.lists.at(0).file, variant.regola) {
    for (int k = 0; k < kTiles; ++k) {
        label3_[size_t(k)] = member<DesignLabel>(QStringLiteral("Label3"), k);
        label3_[size_t(k)]->setFocusPolicy(Qt::TabFocus); // Space and Return press it
        connect(label3_[size_t(k)], &DesignLabel::clicked, this, [this, k] { Label3_Click(k); });
    }
}

std::optional<QString> ClickTilesWindow::leggiElenco() {
    return leggiPer(modello_);
}

void ClickTilesWindow::PreparaTurno() {
    const ModelloTessere::Turno& turno =
        modello_.PreparaTurno(stato_.random, [this] { CaricaColori(); });
    for (int k = 0; k < kTiles; ++k) {
        label3_[size_t(k)]->setText(turno.testi[size_t(k)]);
        setTopTwips(label3_[size_t(k)], variant_.rows.top(turno.righe[k]));
    }
}

void ClickTilesWindow::Label3_Click(int index) {
    const Verdetto verdetto = modello_.giudica(index);
    if (!verdetto.esatta) {
        RispostaErrata(verdetto);
        return;
    }
    RispostaEsatta(verdetto);
    PassaAvanti(label3_[size_t(index)]);
}

void ClickTilesWindow::bloccaRisposte(QWidget* premuto) {
    vocario::setBackColour(premuto, Colori::Rosso);
    // Locked words stay readable, on white and on the red of the right one.
    for (DesignLabel* tile : label3_) {
        Contrasto::leggibileDaBloccato(tile);
        tile->setEnabled(false);
    }
}

void ClickTilesWindow::riapriRisposte() {
    for (DesignLabel* tile : label3_) {
        tile->setEnabled(true);
        vocario::setBackColour(tile, Colori::Bianco);
    }
}

} // namespace vocario
