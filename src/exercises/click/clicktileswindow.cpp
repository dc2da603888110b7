#include "clicktileswindow.h"

#include "colours/colori.h"
#include "colours/contrasto.h"
#include "colours/widgetcolours.h"
#include "core/appstate.h"
#include "core/cartelleelenchi.h"
#include "exercises/scombiccheraposti.h"
#include "geometry/twipsgeometry.h"
#include "layouts/designlabel.h"
#include "wordlists/wordlistfiles.h"

namespace vocario {

ClickTilesWindow::ClickTilesWindow(AppState& stato, const ExerciseEntry& entry,
                                   const ClickTilesVariant& variant)
    : ExerciseWindow(stato, entry, {}), variant_(variant) {
    for (int k = 0; k < kTiles; ++k) {
        label3_[size_t(k)] = member<DesignLabel>(QStringLiteral("Label3"), k);
        label3_[size_t(k)]->setFocusPolicy(Qt::TabFocus); // Space and Return press it
        connect(label3_[size_t(k)], &DesignLabel::clicked, this, [this, k] { Label3_Click(k); });
    }
}

std::optional<QString> ClickTilesWindow::leggiElenco() {
    const WordListReader reader = CartelleElenchi::lettoreElenchi(stato_);
    const WordListResult result = leggiTabella(reader, elenco().file, variant_.fieldsPerRecord,
                                               variant_.firstColumn, tabella_, numeroVoci_);
    if (!result.ok)
        return result.error;
    return elencoTroppoCorto(numeroVoci_);
}

void ClickTilesWindow::PreparaTurno() {
    CaricaColori();
    const TestiTessere testi = variant_.deal(tabella_, numeroVoci_, stato_.random);
    for (int k = 0; k < kTiles; ++k)
        label3_[size_t(k)]->setText(testi[size_t(k)]);
    // The right word first, as the register keeps the item.
    voce_ = QStringList(testi.begin(), testi.end()).join(QStringLiteral(" / "));
    ScombiccheraPosti();
}

void ClickTilesWindow::ScombiccheraPosti() {
    vocario::ScombiccheraPosti(QList<QWidget*>(label3_.begin(), label3_.end()), variant_.rows,
                               stato_.random);
}

void ClickTilesWindow::Label3_Click(int index) {
    annota(voce_, label3_[index]->text());
    // Label3(0) always holds the right word, wherever it stands.
    if (index == 0) {
        RispostaEsatta();
        PassaAvanti(label3_[0]);
    } else {
        RispostaErrata();
    }
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
