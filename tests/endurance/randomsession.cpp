#include "randomsession.h"
#include "exercisecatalogue.h"

#include "answeroracle.h"
#include "app/formavvio.h"
#include "core/appstate.h"
#include "frame/exercisewindow.h"
#include "messageboxanswerer.h"
#include "testenvironment.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMimeData>
#include <QPushButton>

namespace vocario::endurance {
namespace {

// Draggable words, drop places and answer controls of the nine windows.
constexpr int kRecentActions = 25;

/// The program's draws, from the session's seed.
class SeededSource : public RandomSource {
  public:
    explicit SeededSource(quint32 seed) : engine_(seed) {}
    float next() override { return float(engine_() >> 8) * (1.0f / 16777216.0f); }

  private:
    std::mt19937 engine_;
};

// The named control that a click at a point reaches, if any.
QWidget* namedControlAt(QWidget* window, QWidget* hit) {
    while (hit && hit != window && hit->objectName().isEmpty())
        hit = hit->parentWidget();
    return hit == window ? nullptr : hit;
}

} // namespace

RandomSession::RandomSession(testing::TestEnvironment& environment, quint32 seed)
    : env_(environment), answerer_(new testing::MessageBoxAnswerer), choices_(seed) {
    env_.state.random.setSource(std::make_unique<SeededSource>(seed ^ 0x5EEDu));
}

RandomSession::~RandomSession() {
    delete answerer_;
}

void RandomSession::note(const QString& kind, const QString& detail) {
    ++tally_[kind];
    recent_.append(detail.isEmpty() ? kind : kind + QStringLiteral(" ") + detail);
    if (recent_.size() > kRecentActions)
        recent_.removeFirst();
}

VocarioWindow* RandomSession::programWindow() const {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<VocarioWindow*>(top); window && window->isVisible())
            return window;
    return nullptr;
}

QString RandomSession::run(int actions) {
    auto* start = new FormAvvio(env_.state);
    start->show();
    mouse_.click(start->control(QStringLiteral("BottoneAvvio")));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (int done = 0; done < actions; ++done) {
        act();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const QStringList played = env_.sound->playedNames();
        QString problem = model_.check(env_.state, int(played.size()),
                                       played.isEmpty() ? QString() : played.last());
        if (problem.isEmpty() && extraCheck_)
            problem = extraCheck_(*this);
        if (problem.isEmpty() && env_.endRequests != model_.endRequests())
            problem = QStringLiteral("%1 requests to end, expected %2")
                          .arg(env_.endRequests)
                          .arg(model_.endRequests());
        if (!problem.isEmpty())
            return QStringLiteral("After action %1: %2\nLast actions:\n  %3")
                .arg(done + 1)
                .arg(problem, recent_.join(QStringLiteral("\n  ")));
        // The sounds are only counted: keep the record short on long runs.
        if (played.size() > 1000) {
            env_.sound->played.remove(0, 900);
            model_.forgetSounds(900);
        }
    }
    return {};
}

void RandomSession::act() {
    answeredItem_.clear();
    VocarioWindow* window = programWindow();
    if (auto* exercise = qobject_cast<ExerciseWindow*>(window))
        actInExercise(exercise);
    else if (window)
        actInMenu(window);
}

void RandomSession::actInMenu(VocarioWindow* menu) {
    const int roll = pick(100);
    if (roll < 30) {
        const int option = pick(2);
        // An option button takes clicks on its round mark.
        mouse_.click(menu->member(QStringLiteral("Option1"), option), QPoint(8, 10));
        model_.chooseOption(option == 1);
        note(QStringLiteral("option"), QString::number(option));
    } else if (roll < 90) {
        const int numero = pick(testing::exerciseCount()) + 1;
        mouse_.click(menu->control(testing::exerciseMenuButton(numero)));
        model_.openExercise(testing::exerciseWindowName(numero), testing::draggedWords(numero));
        picked_.clear();
        note(QStringLiteral("open"), testing::exerciseWindowName(numero));
    } else {
        // "Esci" of the menu: mostly "No"; "Sì" asks the program to end.
        const bool yes = roll >= 97;
        answerer_->answerNext(yes ? QStringLiteral("Sì") : QStringLiteral("No"));
        mouse_.click(menu->control(QStringLiteral("Command1")));
        if (yes)
            model_.askedToEnd();
        note(QStringLiteral("menu esci"), yes ? QStringLiteral("Sì") : QStringLiteral("No"));
    }
}

void RandomSession::actInExercise(ExerciseWindow* window) {
    const int roll = pick(100);
    const bool hasSoundMenu = window->findChild<QObject*>(QStringLiteral("mnuSuonoSi")) != nullptr;
    if (roll < 40 && answer(window, true))
        return;
    if (roll < 54 && answer(window, false))
        return;
    if (roll < 56 && pickAndPlace(window, pick(3) > 0))
        return;
    if (roll < 58)
        return doubleClick(window);
    if (roll < 62 && pressLockedAnswer(window))
        return;
    if (roll < 67 && clickInertControl(window))
        return;
    if (roll < 72 && dropOutsideTargets(window))
        return;
    if (roll < 74)
        return dropStrangeData(window);
    if (roll < 84) {
        if (!window->avantiVisibile()) { // moving on by itself: answer instead
            if (!answer(window, true))
                clickInertControl(window);
            return;
        }
        const bool enabled = window->bottoneAvanti()->isEnabled();
        mouse_.click(window->bottoneAvanti());
        if (enabled)
            model_.avanti();
        return note(QStringLiteral("avanti"), enabled ? QString() : QStringLiteral("(greyed)"));
    }
    if (roll < 87) {
        useMenuItem(window, QStringLiteral("MenuAzzera"));
        return model_.resetCounts();
    }
    if (roll < 91 && hasSoundMenu) {
        const bool on = pick(2) == 0;
        useMenuItem(window, on ? QStringLiteral("mnuSuonoSi") : QStringLiteral("mnuSuonoNo"));
        return model_.sound(on);
    }
    if (roll < 92)
        return useMenuItem(window, QStringLiteral("MenuInformazioni"), QStringLiteral("OK"));
    if (roll < 95)
        return useMenuItem(window, QStringLiteral("mnuEsci"), QStringLiteral("No"));
    if (roll < 98) {
        useMenuItem(window, QStringLiteral("mnuEsci"), QStringLiteral("Sì"));
        picked_.clear();
        return model_.backToMenu();
    }
    // Whatever was not possible above: a right answer if there is one.
    if (!answer(window, true))
        clickInertControl(window);
}

bool RandomSession::answer(ExerciseWindow* window, bool right) {
    const AnswerOracle oracle(window);
    const QList<Move> moves = right ? oracle.rightMoves() : oracle.wrongMoves();
    if (moves.isEmpty())
        return false;
    const Move move = moves.at(pick(int(moves.size())));
    answeredItem_ = oracle.itemOf(move);
    if (move.isDrag()) {
        if (!SimulatedMouse::dropWord(window->control(move.target), move.source))
            return false;
        if (right && move.source == picked_) // placed by the drag, no longer picked
            picked_.clear();
    } else {
        mouse_.click(window->control(move.source));
    }
    if (right)
        model_.rightAnswer(move.source);
    else
        model_.wrongAnswer();
    note(right ? QStringLiteral("right") : QStringLiteral("wrong"),
         move.source + (move.isDrag() ? QStringLiteral(" -> ") + move.target : QString()));
    return true;
}

// What a click that reached `hit` means, as the window's rules say.
void RandomSession::judgeClickAt(ExerciseWindow* window, QWidget* hit) {
    const AnswerOracle oracle(window);
    if (!hit || !hit->isEnabled())
        return;
    if (hit == window->bottoneAvanti())
        return model_.avanti();
    if (oracle.answersByDragging()) {
        // A click on a word picks it, or puts it back; on a place it drops
        // the picked word there, as a drag would.
        const QString name = hit->objectName();
        if (oracle.answerControls().contains(name)) {
            picked_ = picked_ == name ? QString() : name;
        } else if (oracle.dropTargets().contains(name) && !picked_.isEmpty()) {
            const Move drop{picked_, name};
            if (oracle.rightMoves().contains(drop)) {
                model_.rightAnswer(picked_);
                picked_.clear();
            } else if (oracle.wrongMoves().contains(drop)) {
                model_.wrongAnswer();
            }
        }
        return;
    }
    const Move click{hit->objectName(), {}};
    if (oracle.rightMoves().contains(click))
        model_.rightAnswer(click.source);
    else if (oracle.wrongMoves().contains(click))
        model_.wrongAnswer();
}

void RandomSession::doubleClick(ExerciseWindow* window) {
    QStringList candidates = AnswerOracle(window).answerControls();
    if (window->avantiVisibile())
        candidates << QStringLiteral("BottoneAvanti");
    QWidget* first = window->control(candidates.at(pick(int(candidates.size()))));
    const QPoint spot = first->mapTo(window, first->rect().center());
    const int items = model_.itemsDealt();
    judgeClickAt(window, namedControlAt(window, window->childAt(spot)));
    mouse_.click(first);
    // A button takes the second press as one more press, unless the first
    // one brought a new item; a word or a tile ignores the second click of
    // a double click.
    QWidget* second = namedControlAt(window, window->childAt(spot));
    if (qobject_cast<QAbstractButton*>(second) && model_.itemsDealt() == items)
        judgeClickAt(window, second);
    mouse_.clickAgainAtOnce();
    note(QStringLiteral("double click"), first->objectName());
}

bool RandomSession::pressLockedAnswer(ExerciseWindow* window) {
    QList<QWidget*> locked;
    for (const QString& name : AnswerOracle(window).answerControls())
        if (QWidget* control = window->control(name); !control->isEnabled())
            locked.append(control);
    if (window->avantiVisibile() && !window->bottoneAvanti()->isEnabled())
        locked.append(window->bottoneAvanti());
    if (locked.isEmpty())
        return false;
    QWidget* control = locked.at(pick(int(locked.size())));
    mouse_.click(control);
    note(QStringLiteral("locked press"), control->objectName());
    return true;
}

bool RandomSession::clickInertControl(ExerciseWindow* window) {
    const AnswerOracle oracle(window);
    const QStringList answers = oracle.answerControls();
    QList<QWidget*> inert;
    for (QWidget* control : window->centralWidget()->findChildren<QWidget*>()) {
        const QString name = control->objectName();
        if (name.isEmpty() || !control->isVisible() || name == u"BottoneAvanti")
            continue;
        // Words, places and answers are not inert.
        if (answers.contains(name) || oracle.dropTargets().contains(name))
            continue;
        // The click must reach this control, not an answer standing over it.
        const QPoint spot = control->mapTo(window, control->rect().center());
        if (namedControlAt(window, window->childAt(spot)) == control)
            inert.append(control);
    }
    if (inert.isEmpty())
        return false;
    QWidget* control = inert.at(pick(int(inert.size())));
    mouse_.click(control);
    note(QStringLiteral("inert click"), control->objectName());
    return true;
}

bool RandomSession::dropOutsideTargets(ExerciseWindow* window) {
    const AnswerOracle oracle(window);
    const QStringList targets = oracle.dropTargets();
    QStringList words = oracle.answerControls();
    if (words.isEmpty())
        return false;
    const QString word = words.at(pick(int(words.size())));
    const bool placed = !window->control(word)->isEnabled();
    QList<QWidget*> places;
    for (QWidget* control : window->centralWidget()->findChildren<QWidget*>()) {
        const QString name = control->objectName();
        if (name.isEmpty() || !control->isVisible())
            continue;
        const QPoint spot = control->mapTo(window, control->rect().center());
        QWidget* there = namedControlAt(window, window->childAt(spot));
        // A placed word dropped anywhere, or any word dropped off the targets.
        if (there == control && (placed || !targets.contains(name)))
            places.append(control);
    }
    if (places.isEmpty())
        return false;
    QWidget* place = places.at(pick(int(places.size())));
    SimulatedMouse::dropWord(place, word);
    note(QStringLiteral("drop off target"), word + QStringLiteral(" -> ") + place->objectName());
    return true;
}

bool RandomSession::pickAndPlace(ExerciseWindow* window, bool right) {
    const AnswerOracle oracle(window);
    const QList<Move> moves = right ? oracle.rightMoves() : oracle.wrongMoves();
    if (!oracle.answersByDragging() || moves.isEmpty())
        return false;
    const Move move = moves.at(pick(int(moves.size())));
    // A click on the word picks it (unless it is picked already), a click on
    // the place drops it there.
    if (picked_ != move.source) {
        judgeClickAt(window, window->control(move.source));
        mouse_.click(window->control(move.source));
    }
    judgeClickAt(window, window->control(move.target));
    mouse_.click(window->control(move.target));
    note(QStringLiteral("pick and place"), move.source + QStringLiteral(" -> ") + move.target);
    return true;
}

void RandomSession::dropStrangeData(ExerciseWindow* window) {
    QStringList places = AnswerOracle(window).dropTargets();
    if (places.isEmpty())
        places << AnswerOracle(window).answerControls();
    QWidget* place = window->control(places.at(pick(int(places.size()))));
    static const QStringList names{QStringLiteral("Label4(0)"),
                                   QStringLiteral("Label3(99)"),
                                   QStringLiteral("Label3(-1)"),
                                   QStringLiteral("Bottone(0)"),
                                   QString(),
                                   QStringLiteral("Label3(1")};
    const int kind = pick(int(names.size()) + 1);
    if (kind == names.size()) { // text from another program
        auto* text = new QMimeData;
        text->setText(QStringLiteral("Label3(0)"));
        SimulatedMouse::dropData(place, text);
        return note(QStringLiteral("strange drop"),
                    QStringLiteral("text on ") + place->objectName());
    }
    SimulatedMouse::dropWord(place, names.at(kind));
    note(QStringLiteral("strange drop"),
         names.at(kind) + QStringLiteral(" on ") + place->objectName());
}

void RandomSession::useMenuItem(ExerciseWindow* window, const QString& item,
                                const QString& answer) {
    if (!answer.isEmpty())
        answerer_->answerNext(answer);
    window->findChild<QAction*>(item)->trigger();
    if (!answer.isEmpty() && !answerer_->waitUntilAnswered())
        qFatal("The box of %s was never answered", qPrintable(item));
    note(item, answer);
}

} // namespace vocario::endurance
