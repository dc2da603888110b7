#include "form2sinonimi.h"

#include "colours/colori.h"
#include "colours/widgetcolours.h"
#include "core/appstate.h"
#include "core/cartelleelenchi.h"
#include "exercises/scombiccheraposti.h"
#include "geometry/designscale.h"
#include "geometry/twipsgeometry.h"
#include "layouts/designlabel.h"
#include "wordlists/wordlistfiles.h"

namespace vocario {
namespace {

// A drop label waiting for its synonym, and one already matched.
constexpr double kPuntiInAttesa = 16;
constexpr double kPuntiAbbinata = 14;

void setPointSize(QWidget* widget, double points) {
    QFont font = widget->font();
    font.setPointSizeF(designScaleOf(widget).points(points));
    widget->setFont(font);
}

FrameTraits trattiSinonimi() {
    FrameTraits traits;
    traits.hasSoundMenu = false;
    traits.preparesOnActivation = true;
    return traits;
}

} // namespace

Form2Sinonimi::Form2Sinonimi(AppState& stato, const ExerciseEntry& entry)
    : ExerciseWindow(stato, entry, trattiSinonimi()) {
    for (int k = 0; k < kCoppie; ++k) {
        label3_[k] = member<DesignLabel>(QStringLiteral("Label3"), k);
        label4_[k] = member<DesignLabel>(QStringLiteral("Label4"), k);
    }
    connectMatchDrops(this, kCoppie,
                      [this](int i, int source) { return Label4_DragDrop(i, source); });
}

void Form2Sinonimi::primaDellaLettura() {
    for (int k = 0; k < kCoppie; ++k)
        setTopTwips(label4_[k], kRigheForm2.top(k));
}

std::optional<QString> Form2Sinonimi::LeggiParole() {
    const WordListResult result =
        leggiTabella(CartelleElenchi::lettoreElenchi(stato_), elenco().file, 2, 1, TabellaSinonimi,
                     NumeroSinonimi);
    if (!result.ok)
        return result.error;
    return std::nullopt;
}

std::optional<QString> Form2Sinonimi::leggiElenco() {
    if (std::optional<QString> problem = LeggiParole())
        return problem;
    // Seven different records are drawn for every item.
    return elencoTroppoCorto(NumeroSinonimi);
}

void Form2Sinonimi::PreparaTurno() {
    for (DesignLabel* label : label4_) {
        setPointSize(label, kPuntiInAttesa);
        vocario::setBackColour(label, Colori::Bianco);
    }
    stato_.random.differentWholeNumbers(ParoleScelte, NumeroSinonimi);
    CaricaColori();
    CoppieFatte = 0;
    for (int k = 0; k < kCoppie; ++k)
        label3_[k]->setText(TabellaSinonimi[ParoleScelte[k]][2]);
    for (int k = 0; k < kCoppie; ++k)
        label4_[k]->setText(TabellaSinonimi[ParoleScelte[k]][1]);
    ScombiccheraPosti();
}

void Form2Sinonimi::ScombiccheraPosti() {
    QList<QWidget*> sinonimi;
    for (DesignLabel* label : label3_) {
        label->setEnabled(true);
        sinonimi.append(label);
    }
    vocario::ScombiccheraPosti(sinonimi, kRigheForm2, stato_.random);
}

DropVerdict Form2Sinonimi::Label4_DragDrop(int i, int source) {
    const auto& riga = TabellaSinonimi[ParoleScelte[i]];
    annota(riga[1] + QStringLiteral(" / ") + riga[2], label3_[source]->text());
    if (source != i) {
        RispostaErrata();
        return DropVerdict::Wrong;
    }
    abbinamentoGiusto(i);
    return DropVerdict::Right;
}

void Form2Sinonimi::abbinamentoGiusto(int i) {
    DesignLabel* parola = label4_[i];
    DesignLabel* trascinata = label3_[i];
    const auto& riga = TabellaSinonimi[ParoleScelte[i]];
    parola->setText(riga[1] + QStringLiteral(" - ") + riga[2]);
    RipristinaSfondo();
    setPointSize(parola, kPuntiAbbinata);
    trascinata->setText(QString());
    RispostaEsatta();
    ++CoppieFatte;
    vocario::setBackColour(parola, Colori::GialloPallido);
    trascinata->setEnabled(false);
    if (CoppieFatte == kCoppie)
        PassaAvanti(trascinata);
}

} // namespace vocario
