#include "dragmatchwindow.h"

#include "colours/colori.h"
#include "colours/widgetcolours.h"
#include "core/appstate.h"
#include "geometry/twipsgeometry.h"
#include "layouts/designlabel.h"

namespace vocario {

DragMatchWindow::DragMatchWindow(AppState& stato, const ExerciseEntry& entry,
                                 const DragMatchVariant& variant)
    : ExerciseWindow(stato, entry, variant.traits), variant_(variant),
      modello_({.elenco = entry.lists.at(0).file,
                .coppie = variant.rows.count,
                .maxRecords = entry.lists.at(0).maxRecords,
                .blocco = entry.lists.at(0).block,
                .estrazione = variant.estrazione,
                .giusta = variant.giusta}) {
    for (int k = 0; k < variant_.rows.count; ++k) {
        label3_.append(member<DesignLabel>(QStringLiteral("Label3"), k));
        label4_.append(member<DesignLabel>(QStringLiteral("Label4"), k));
    }
    // Words from a list are shown as they are written, never as markup.
    for (DesignLabel* label : label3_ + label4_)
        label->setTextFormat(Qt::PlainText);
    connectMatchDrops(this, variant_.rows.count,
                      [this](int i, int source) { return Label4_DragDrop(i, source); });
}

std::optional<QString> DragMatchWindow::leggiElenco() {
    return leggiPer(modello_);
}

void DragMatchWindow::PreparaTurno() {
    const ModelloAbbina::Turno& turno =
        modello_.PreparaTurno(stato_.random, [this] { CaricaColori(); });
    for (int k = 0; k < variant_.rows.count; ++k) {
        label3_[k]->setEnabled(true);
        setTopTwips(label3_[k], variant_.rows.top(turno.righe[k]));
        label3_[k]->setText(turno.coppie[k].parola);
        label4_[k]->setText(turno.coppie[k].posto);
        setBackColour(label4_[k], Colori::Bianco);
    }
}

QString DragMatchWindow::testoAbbinato(const QString& target, const QString& dragged) const {
    if (variant_.join == DragMatchVariant::Join::DraggedThenTarget)
        return dragged + QStringLiteral(" / ") + target;
    return target + QStringLiteral(" / ") + dragged;
}

DropVerdict DragMatchWindow::Label4_DragDrop(int i, int source) {
    const std::optional<Verdetto> verdetto = modello_.giudica(source, i);
    if (!verdetto)
        return DropVerdict::Ignored;
    if (!verdetto->esatta) {
        RispostaErrata(*verdetto);
        return DropVerdict::Wrong;
    }
    DesignLabel* dragged = label3_[source];
    DesignLabel* target = label4_[i];
    RipristinaSfondo();
    target->setText(testoAbbinato(target->text(), dragged->text()));
    dragged->setText(QString());
    setBackColour(target, Colori::GialloPallido);
    RispostaEsatta(*verdetto);
    dragged->setEnabled(false);
    if (verdetto->turnoFinito)
        PassaAvanti(target);
    return DropVerdict::Right;
}

} // namespace vocario
