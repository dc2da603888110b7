#include "clicktileswindow.h"

#include "layouts/designlabel.h"
#include "layouts/twipsgeometry.h"
#include "layouts/widgetcolours.h"
#include "shell/appstate.h"
#include "shell/cartelleelenchi.h"
#include "shell/colori.h"
#include "shell/scombiccheraposti.h"
#include "wordlists/wordlistfiles.h"

namespace vocario {
namespace {

FrameTraits clickTilesTraits() {
    // The instruction line turns white on the black of a wrong answer and
    // black again with every new colour.
    return FrameTraits{.whiteAfterWrong = {QStringLiteral("Label5")},
                       .darkenOnlyAfterBlack = false};
}

} // namespace

ClickTilesWindow::ClickTilesWindow(const ClickTilesVariant& variant)
    : ExerciseWindow(variant.design(), clickTilesTraits()), variant_(variant) {
    for (int k = 0; k < kTiles; ++k) {
        label3_[size_t(k)] = member<DesignLabel>(QStringLiteral("Label3"), k);
        connect(label3_[size_t(k)], &DesignLabel::clicked, this, [this, k] { Label3_Click(k); });
    }
}

std::optional<QString> ClickTilesWindow::leggiElenco() {
    const WordListReader reader = CartelleElenchi::lettore();
    const WordListResult result =
        leggiTabella(reader, variant_.listFile, variant_.fieldsPerRecord, variant_.firstColumn,
                     tabella_, stato().NumeroParole);
    if (!result.ok)
        return result.error;
    if (stato().NumeroParole < variant_.minimumRecords)
        return variant_.tooShort(stato().NumeroParole);
    return std::nullopt;
}

void ClickTilesWindow::PreparaTurno() {
    CaricaColori();
    const TestiTessere testi = variant_.deal(tabella_, stato().NumeroParole, stato().random);
    for (int k = 0; k < kTiles; ++k)
        label3_[size_t(k)]->setText(testi[size_t(k)]);
    ScombiccheraPosti();
}

void ClickTilesWindow::ScombiccheraPosti() {
    vocario::ScombiccheraPosti(QList<QWidget*>(label3_.begin(), label3_.end()), kFirstTop,
                               kTopSpacing);
}

void ClickTilesWindow::Label3_Click(int index) {
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
    for (DesignLabel* tile : label3_)
        tile->setEnabled(false);
}

void ClickTilesWindow::riapriRisposte() {
    for (DesignLabel* tile : label3_) {
        tile->setEnabled(true);
        vocario::setBackColour(tile, Colori::Bianco);
    }
}

} // namespace vocario
