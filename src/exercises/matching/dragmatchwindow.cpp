#include "dragmatchwindow.h"

#include "colours/colori.h"
#include "colours/widgetcolours.h"
#include "core/appstate.h"
#include "core/cartelleelenchi.h"
#include "exercises/scombiccheraposti.h"
#include "layouts/designlabel.h"
#include "wordlists/wordlistfiles.h"

namespace vocario {

DragMatchWindow::DragMatchWindow(AppState& stato, const ExerciseEntry& entry,
                                 const DragMatchVariant& variant)
    : ExerciseWindow(stato, entry, variant.traits), variant_(variant) {
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

qint16 DragMatchWindow::recordOfSlot(int k) const {
    if (variant_.deal == DragMatchVariant::Deal::ConsecutiveBlock)
        return qint16(stato_.Estratto + k);
    return ParoleScelte[size_t(k)];
}

std::optional<QString> DragMatchWindow::leggiElenco() {
    const WordListReader reader = CartelleElenchi::lettoreElenchi(stato_);
    const WordListResult result =
        leggiDueCampi(reader, elenco().file, stato_.Parole1, stato_.Parole2, stato_.NumeroParole,
                      elenco().maxRecords, elenco().block);
    if (!result.ok)
        return result.error;
    return elencoTroppoCorto(stato_.NumeroParole);
}

void DragMatchWindow::PreparaTurno() {
    CaricaColori();
    CoppieFatte = 0;
    estraiParole();
    ScombiccheraPosti();
    for (int k = 0; k < variant_.rows.count; ++k) {
        const qint16 record = recordOfSlot(k);
        label3_[k]->setText(stato_.Parole1[size_t(record)]);
        label4_[k]->setText(stato_.Parole2[size_t(record)]);
        setBackColour(label4_[k], Colori::Bianco);
    }
}

void DragMatchWindow::estraiParole() {
    AppState& s = stato_;
    if (variant_.deal == DragMatchVariant::Deal::ConsecutiveBlock) {
        // The blocks are 1..4, 5..8, 9..12 and so on, every record in one;
        // the reader takes only lists of whole blocks.
        const int block = s.random.floorTimes(double(s.NumeroParole) / variant_.rows.count);
        s.Estratto = qint16(variant_.rows.count * block + 1);
        return;
    }
    s.random.differentWholeNumbers(std::span(ParoleScelte).first(size_t(variant_.rows.count)),
                                   s.NumeroParole);
}

void DragMatchWindow::ScombiccheraPosti() {
    for (DesignLabel* label : std::as_const(label3_))
        label->setEnabled(true);
    vocario::ScombiccheraPosti(QList<QWidget*>(label3_.begin(), label3_.end()), variant_.rows,
                               stato_.random);
}

bool DragMatchWindow::rispostaGiusta(int i, int source) const {
    if (variant_.rightDrop == DragMatchVariant::RightDrop::SameIndex)
        return source == i;
    // The words as the list has them, whatever the labels show.
    return stato_.Parole1[size_t(recordOfSlot(source))] == stato_.Parole1[size_t(recordOfSlot(i))];
}

QString DragMatchWindow::testoAbbinato(const QString& target, const QString& dragged) const {
    if (variant_.join == DragMatchVariant::Join::DraggedThenTarget)
        return dragged + QStringLiteral(" / ") + target;
    return target + QStringLiteral(" / ") + dragged;
}

DropVerdict DragMatchWindow::Label4_DragDrop(int i, int source) {
    // The item as its list has it, whatever the labels show.
    const auto record = size_t(recordOfSlot(i));
    annota(stato_.Parole1[record] + QStringLiteral(" / ") + stato_.Parole2[record],
           label3_[source]->text());
    if (!rispostaGiusta(i, source)) {
        RispostaErrata();
        return DropVerdict::Wrong;
    }
    DesignLabel* dragged = label3_[source];
    DesignLabel* target = label4_[i];
    RipristinaSfondo();
    target->setText(testoAbbinato(target->text(), dragged->text()));
    dragged->setText(QString());
    setBackColour(target, Colori::GialloPallido);
    RispostaEsatta();
    dragged->setEnabled(false);
    ++CoppieFatte;
    if (CoppieFatte == variant_.rows.count)
        PassaAvanti(target);
    return DropVerdict::Right;
}

} // namespace vocario
