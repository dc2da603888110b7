#include "answeroracle.h"

#include "exercises/choice/form3sinonimicontrari.h"
#include "exercises/choice/form9vocario.h"
#include "exercises/click/clicktileswindow.h"
#include "exercises/matching/dragmatchwindow.h"
#include "exercises/matching/form2sinonimi.h"
#include "exercises/matching/form7gradi.h"
#include "frame/exercisewindow.h"
#include "layouts/controlnames.h"

#include <QLabel>

namespace vocario::endurance {
namespace {

const QString kSources = QStringLiteral("Label3");
const QString kTargets = QStringLiteral("Label4");

QStringList members(const ExerciseWindow* window, const QString& array) {
    QStringList names;
    for (int k = 0; window->hasControl(memberName(array, k)); ++k)
        names << memberName(array, k);
    return names;
}

} // namespace

AnswerOracle::AnswerOracle(const ExerciseWindow* window)
    : window_(window), form_(window->objectName()) {
    static const QStringList dragWindows{"Form1", "Form2", "Form5", "Form7", "Form8"};
    dragging_ = dragWindows.contains(form_);
}

QStringList AnswerOracle::answerControls() const {
    if (dragging_ || form_ == u"Form4" || form_ == u"Form6")
        return members(window_, kSources);
    if (form_ == u"Form3")
        return {QStringLiteral("Bottone1"), QStringLiteral("Bottone2")};
    if (form_ == u"Form9")
        return members(window_, QStringLiteral("Bottone"));
    return {};
}

QStringList AnswerOracle::dropTargets() const {
    return dragging_ ? members(window_, kTargets) : QStringList{};
}

bool AnswerOracle::takesInput(const QString& name) const {
    const QWidget* control = window_->control(name);
    return control && control->isVisible() && control->isEnabled();
}

bool AnswerOracle::isRight(const QString& source, const QString& target) const {
    // Judged by the window's own model, without changing it.
    if (const auto* w = qobject_cast<const Form3SinonimiContrari*>(window_))
        return w->modello()
            .giudica(source == u"Bottone1" ? ModelloSinonimiContrari::kSinonimi
                                           : ModelloSinonimiContrari::kContrari)
            .esatta;
    if (const auto* w = qobject_cast<const Form9Vocario*>(window_))
        return w->modello().giudica(*memberIndex(source, QStringLiteral("Bottone"))).esatta;
    if (const auto* w = qobject_cast<const ClickTilesWindow*>(window_))
        return w->modello().giudica(*memberIndex(source, kSources)).esatta;
    const int from = *memberIndex(source, kSources);
    const int to = *memberIndex(target, kTargets);
    if (const auto* w = qobject_cast<const DragMatchWindow*>(window_))
        return w->modello().giusta(from, to);
    if (const auto* w = qobject_cast<const Form2Sinonimi*>(window_))
        return w->modello().giusta(from, to);
    return ModelloGradi::giusta(from, to);
}

QString AnswerOracle::itemOf(const Move& move) const {
    if (const auto* w = qobject_cast<const Form3SinonimiContrari*>(window_))
        return w->modello().turno().voce.testo();
    if (const auto* w = qobject_cast<const Form9Vocario*>(window_))
        return w->modello().turno().voce.testo();
    if (const auto* w = qobject_cast<const ClickTilesWindow*>(window_))
        return w->modello().turno().voce.testo();
    if (const auto* w = qobject_cast<const Form7Gradi*>(window_))
        return w->modello().turno().voce.testo();
    const int from = *memberIndex(move.source, kSources);
    if (const auto* w = qobject_cast<const DragMatchWindow*>(window_))
        return w->modello().turno().coppie.value(from).voce.testo();
    if (const auto* w = qobject_cast<const Form2Sinonimi*>(window_))
        return w->modello().turno().coppie.value(from).voce.testo();
    return {};
}

QList<Move> AnswerOracle::rightMoves() const {
    QList<Move> moves;
    for (const QString& source : answerControls()) {
        if (!takesInput(source))
            continue;
        if (!dragging_) {
            if (isRight(source, {}))
                moves.append({source, {}});
            continue;
        }
        for (const QString& target : dropTargets())
            if (isRight(source, target))
                moves.append({source, target});
    }
    return moves;
}

QList<Move> AnswerOracle::wrongMoves() const {
    QList<Move> moves;
    for (const QString& source : answerControls()) {
        if (!takesInput(source))
            continue;
        if (!dragging_) {
            if (!isRight(source, {}))
                moves.append({source, {}});
            continue;
        }
        for (const QString& target : dropTargets())
            if (!isRight(source, target))
                moves.append({source, target});
    }
    return moves;
}

} // namespace vocario::endurance
