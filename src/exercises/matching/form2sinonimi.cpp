#include "form2sinonimi.h"

#include "colours/colori.h"
#include "colours/widgetcolours.h"
#include "core/appstate.h"
#include "geometry/designscale.h"
#include "geometry/twipsgeometry.h"
#include "layouts/designlabel.h"

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
    : ExerciseWindow(stato, entry, trattiSinonimi()),
      modello_({.elenco = entry.lists.at(0).file,
                .coppie = kCoppie,
                .maxRecords = entry.lists.at(0).maxRecords,
                .giusta = RegoleAbbina::Giusta::StessoRecord,
                .trascinaIlSecondo = true,
                .coloreDopoLeParole = true}) {
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

std::optional<QString> Form2Sinonimi::leggiElenco() {
    // Seven different records are drawn for every item.
    return leggiPer(modello_);
}

void Form2Sinonimi::PreparaTurno() {
    for (DesignLabel* label : label4_) {
        setPointSize(label, kPuntiInAttesa);
        vocario::setBackColour(label, Colori::Bianco);
    }
    const ModelloAbbina::Turno& turno =
        modello_.PreparaTurno(stato_.random, [this] { CaricaColori(); });
    for (int k = 0; k < kCoppie; ++k) {
        label3_[k]->setText(turno.coppie[k].parola);
        label4_[k]->setText(turno.coppie[k].posto);
        label3_[k]->setEnabled(true);
        setTopTwips(label3_[k], kRigheForm2.top(turno.righe[k]));
    }
}

DropVerdict Form2Sinonimi::Label4_DragDrop(int i, int source) {
    const std::optional<Verdetto> verdetto = modello_.giudica(source, i);
    if (!verdetto)
        return DropVerdict::Ignored;
    if (!verdetto->esatta) {
        RispostaErrata(*verdetto);
        return DropVerdict::Wrong;
    }
    abbinamentoGiusto(i, *verdetto);
    return DropVerdict::Right;
}

void Form2Sinonimi::abbinamentoGiusto(int i, const Verdetto& verdetto) {
    DesignLabel* parola = label4_[i];
    DesignLabel* trascinata = label3_[i];
    const ModelloAbbina::Coppia& coppia = modello_.turno().coppie[i];
    parola->setText(coppia.posto + QStringLiteral(" - ") + coppia.parola);
    RipristinaSfondo();
    setPointSize(parola, kPuntiAbbinata);
    trascinata->setText(QString());
    RispostaEsatta(verdetto);
    vocario::setBackColour(parola, Colori::GialloPallido);
    trascinata->setEnabled(false);
    if (verdetto.turnoFinito)
        PassaAvanti(trascinata);
}

} // namespace vocario
