#pragma once

#include <QSet>
#include <QString>

namespace vocario {
struct AppState;
class ExerciseWindow;
} // namespace vocario

namespace vocario::endurance {

/// What the program must show after each action of a random session,
/// worked out from the rules of the windows and the answers given, never
/// read from the program. check() compares it with the program.
class SessionModel {
  public:
    /// Before the first exercise: the menu, both counts 0.
    SessionModel();

    // Menu.
    void chooseOption(bool waitForAvanti) { waitForAvanti_ = waitForAvanti; }
    void openExercise(const QString& form, int pairs);
    void askedToEnd() { ++endRequests_; }

    // Exercise window.
    /// A right answer; for a drag, `placedWord` is the dragged word.
    void rightAnswer(const QString& placedWord = {});
    void wrongAnswer();
    void avanti();
    void resetCounts();
    void sound(bool on) { soundOn_ = on; }
    void backToMenu();
    /// The test dropped the record of the oldest `count` sounds.
    void forgetSounds(int count) { sounds_ -= count; }

    QString window() const { return window_; }
    bool itemFinished() const { return finished_; }
    /// Items dealt so far, in every window: one more when a new item appears.
    int itemsDealt() const { return itemsDealt_; }
    bool waitsForAvanti() const { return window_ != u"FormMenu" && avantiShown_; }
    int endRequests() const { return endRequests_; }
    /// Every right and wrong answer of the session, whatever was reset.
    int rightAnswers() const { return rightAnswers_; }
    int wrongAnswers() const { return wrongAnswers_; }
    /// The right answers the screen counted ("Esatti" went up): in «gradi»
    /// one an item, not one a word.
    int countedRightAnswers() const { return countedRight_; }

    /// Empty when the program shows what this model says; otherwise what differs.
    QString check(const AppState& state, int soundsPlayed, const QString& lastSound) const;

  private:
    QString checkExercise(const ExerciseWindow* window) const;
    void newItem();
    void heard(bool right);

    QString window_ = QStringLiteral("FormMenu");
    bool waitForAvanti_ = true;
    int endRequests_ = 0;
    int rightAnswers_ = 0;
    int wrongAnswers_ = 0;
    int countedRight_ = 0;
    qint16 esatti_ = 0;
    qint16 errati_ = 0;
    QString labelEsatti_ = QStringLiteral("0");
    QString labelErrati_ = QStringLiteral("0");
    int sounds_ = 0;
    QString lastSoundKind_; // "si" or "no"

    // The open exercise window.
    int pairs_ = 0;
    int itemsDealt_ = 0;
    bool avantiShown_ = false;
    bool soundOn_ = true;
    bool black_ = false;
    bool finished_ = false;
    int rightInItem_ = 0;
    QSet<QString> placed_;
    enum class Picture { None, Si, No } picture_ = Picture::None;
};

} // namespace vocario::endurance
