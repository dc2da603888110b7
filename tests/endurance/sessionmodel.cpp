#include "sessionmodel.h"

#include "answeroracle.h"
#include "colours/colori.h"
#include "core/appstate.h"
#include "frame/exercisewindow.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <algorithm>

namespace vocario::endurance {
namespace {

constexpr qint16 kLargestCount = 32767;

qint16 raised(qint16 count) {
    return count < kLargestCount ? qint16(count + 1) : count;
}

QString shown(qint16 count) {
    return u' ' + QString::number(count);
}

// The windows whose right answer brings a colour back after a wrong one.
bool restoresOnRight(const QString& form) {
    return form == u"Form1" || form == u"Form2" || form == u"Form5" || form == u"Form8";
}

// Intensity ordering counts finished items, not right drops.
bool countsItems(const QString& form) {
    return form == u"Form7";
}

QString differs(const char* what, const QString& seen, const QString& expected) {
    return QStringLiteral("%1 is \"%2\", expected \"%3\"").arg(QLatin1String(what), seen, expected);
}

} // namespace

SessionModel::SessionModel() = default;

void SessionModel::openExercise(const QString& form, int pairs) {
    window_ = form;
    pairs_ = pairs;
    avantiShown_ = waitForAvanti_;
    soundOn_ = true;
    picture_ = Picture::None;
    labelEsatti_ = labelErrati_ = QStringLiteral("0");
    newItem();
}

void SessionModel::newItem() {
    ++itemsDealt_;
    black_ = false;
    finished_ = false;
    rightInItem_ = 0;
    placed_.clear();
}

void SessionModel::heard(bool right) {
    if (!soundOn_)
        return;
    ++sounds_;
    lastSoundKind_ = right ? QStringLiteral("si") : QStringLiteral("no");
}

void SessionModel::rightAnswer(const QString& placedWord) {
    ++rightAnswers_;
    picture_ = Picture::Si;
    bool itemDone = true;
    if (pairs_ > 0) {
        placed_.insert(placedWord);
        itemDone = ++rightInItem_ == pairs_;
    }
    if (!countsItems(window_) || itemDone) {
        esatti_ = raised(esatti_);
        ++countedRight_;
    }
    labelEsatti_ = shown(esatti_);
    heard(true);
    if (restoresOnRight(window_))
        black_ = false;
    if (!itemDone)
        return;
    if (avantiShown_)
        finished_ = true;
    else
        newItem();
}

void SessionModel::wrongAnswer() {
    ++wrongAnswers_;
    picture_ = Picture::No;
    errati_ = raised(errati_);
    labelErrati_ = shown(errati_);
    black_ = true;
    heard(false);
}

void SessionModel::avanti() {
    if (avantiShown_ && finished_)
        newItem();
}

void SessionModel::resetCounts() {
    esatti_ = errati_ = 0;
    labelEsatti_ = labelErrati_ = QStringLiteral("0");
}

void SessionModel::backToMenu() {
    window_ = QStringLiteral("FormMenu");
    esatti_ = errati_ = 0;
}

QString SessionModel::check(const AppState& state, int soundsPlayed,
                            const QString& lastSound) const {
    if (state.NumeroEsatti != esatti_)
        return QStringLiteral("NumeroEsatti is %1, expected %2")
            .arg(state.NumeroEsatti)
            .arg(esatti_);
    if (state.NumeroErrati != errati_)
        return QStringLiteral("NumeroErrati is %1, expected %2")
            .arg(state.NumeroErrati)
            .arg(errati_);
    if (soundsPlayed != sounds_)
        return QStringLiteral("%1 sounds played, expected %2").arg(soundsPlayed).arg(sounds_);
    if (sounds_ > 0 && !lastSound.startsWith(lastSoundKind_))
        return differs("the last sound", lastSound, lastSoundKind_ + QStringLiteral("*.wav"));

    // One window of the program, the expected one, and nothing else on show.
    QList<QWidget*> programWindows;
    int shownWindows = 0;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (qobject_cast<VocarioWindow*>(top))
            programWindows.append(top);
        if (top->isVisible() && !qobject_cast<QMenu*>(top))
            ++shownWindows;
    }
    if (programWindows.size() != 1 || shownWindows != 1)
        return QStringLiteral("%1 program windows exist and %2 windows are on show")
            .arg(programWindows.size())
            .arg(shownWindows);
    QWidget* window = programWindows.first();
    if (window->objectName() != window_)
        return differs("the window", window->objectName(), window_);
    if (!window->isVisible())
        return QStringLiteral("the window is not on show");
    if (const auto* exercise = qobject_cast<const ExerciseWindow*>(window))
        return checkExercise(exercise);
    return {};
}

QString SessionModel::checkExercise(const ExerciseWindow* window) const {
    if (window->etichettaEsatti()->text() != labelEsatti_)
        return differs("EtichettaEsatti", window->etichettaEsatti()->text(), labelEsatti_);
    if (window->etichettaErrati()->text() != labelErrati_)
        return differs("EtichettaErrati", window->etichettaErrati()->text(), labelErrati_);

    const quint32 back = window->backColour();
    if ((back == Colori::Nero) != black_)
        return QStringLiteral("the background is %1, expected %2")
            .arg(back, 6, 16, QLatin1Char('0'))
            .arg(black_ ? QStringLiteral("black") : QStringLiteral("a palette colour"));
    if (!black_ && std::find(Colori::Tavolozza.begin() + 1, Colori::Tavolozza.end(), back) ==
                       Colori::Tavolozza.end())
        return QStringLiteral("the background %1 is not in the palette").arg(back, 6, 16);

    const QPushButton* avanti = window->bottoneAvanti();
    if (avanti->isHidden() == avantiShown_)
        return QStringLiteral("BottoneAvanti is %1").arg(avanti->isHidden() ? "hidden" : "shown");
    if (avantiShown_ && avanti->isEnabled() != finished_)
        return QStringLiteral("BottoneAvanti is %1 while the item is %2")
            .arg(avanti->isEnabled() ? "enabled" : "disabled", finished_ ? "finished" : "open");

    const AnswerOracle oracle(window);
    for (const QString& name : oracle.answerControls()) {
        const QWidget* control = window->control(name);
        const bool placed = placed_.contains(name);
        const bool shouldTakeAnswers = pairs_ > 0 ? !placed : !finished_;
        if (control->isEnabled() != shouldTakeAnswers)
            return QStringLiteral("%1 is %2")
                .arg(name, control->isEnabled() ? "enabled" : "disabled");
        if (placed && !qobject_cast<const QLabel*>(control)->text().isEmpty())
            return QStringLiteral("the placed word %1 still shows \"%2\"")
                .arg(name, qobject_cast<const QLabel*>(control)->text());
    }

    const bool si = window->control(QStringLiteral("ComandoIconaSi"))->isVisible();
    const bool no = window->control(QStringLiteral("ComandoIconaNo"))->isVisible();
    if ((picture_ == Picture::Si && (!si || no)) || (picture_ == Picture::No && (si || !no)))
        return QStringLiteral("the pictures show si=%1 no=%2 after a %3 answer")
            .arg(si)
            .arg(no)
            .arg(picture_ == Picture::Si ? "right" : "wrong");
    return {};
}

} // namespace vocario::endurance
