#pragma once

#include "sessionmodel.h"
#include "simulatedmouse.h"

#include <QMap>
#include <QStringList>
#include <functional>
#include <random>

class QWidget;

namespace vocario {
class ExerciseWindow;
class VocarioWindow;
namespace testing {
class MessageBoxAnswerer;
class TestEnvironment;
} // namespace testing
} // namespace vocario

namespace vocario::endurance {

/// A pupil who does random things for a long time: right and wrong answers,
/// clicks and drops on every kind of control, "avanti", the menu items,
/// leaving and opening windows. After every action the program is compared
/// with a SessionModel. One seed decides both the pupil's choices and the
/// program's own random draws, so a failing run can be replayed exactly.
class RandomSession {
  public:
    RandomSession(testing::TestEnvironment& environment, quint32 seed);
    ~RandomSession();

    /// Runs `actions` actions from the start screen; empty when every check
    /// held, otherwise the first difference with the actions that led to it.
    QString run(int actions);

    /// A further check after every action: empty when it holds.
    void checkAlso(std::function<QString(const RandomSession&)> check) {
        extraCheck_ = std::move(check);
    }
    /// The item the last action answered on, as the oracle names it; empty
    /// when it gave no answer by a drag or a click.
    const QString& answeredItem() const { return answeredItem_; }

    /// How many times each kind of action was done.
    const QMap<QString, int>& tally() const { return tally_; }
    const SessionModel& model() const { return model_; }

  private:
    void act();
    void actInMenu(VocarioWindow* menu);
    void actInExercise(ExerciseWindow* window);
    bool answer(ExerciseWindow* window, bool right);
    void doubleClick(ExerciseWindow* window);
    bool pressLockedAnswer(ExerciseWindow* window);
    bool clickInertControl(ExerciseWindow* window);
    bool dropOutsideTargets(ExerciseWindow* window);
    bool pickAndPlace(ExerciseWindow* window, bool right);
    void dropStrangeData(ExerciseWindow* window);
    void useMenuItem(ExerciseWindow* window, const QString& item, const QString& answer = {});
    void judgeClickAt(ExerciseWindow* window, QWidget* hit);

    VocarioWindow* programWindow() const;
    int pick(int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(choices_)); }
    void note(const QString& kind, const QString& detail = {});

    testing::TestEnvironment& env_;
    testing::MessageBoxAnswerer* answerer_;
    std::mt19937 choices_;
    SessionModel model_;
    SimulatedMouse mouse_;
    QStringList recent_;
    /// The word picked by a click, tap or key and not yet placed or put back.
    QString picked_;
    QMap<QString, int> tally_;
    std::function<QString(const RandomSession&)> extraCheck_;
    QString answeredItem_;
};

} // namespace vocario::endurance
