#pragma once

#include <QList>
#include <QString>

namespace vocario {
class ExerciseWindow;
}

namespace vocario::endurance {

/// One answer a pupil can give: a drag of `source` onto `target`, or a click
/// on `source` when `target` is empty. Controls are named by design name.
struct Move {
    QString source;
    QString target;

    bool isDrag() const { return !target.isEmpty(); }
    bool operator==(const Move&) const = default;
};

/// Knows, for the exercise window on screen, which answers are right and
/// which are wrong right now, from what the window shows and the word tables
/// it dealt from. Only answer controls that take input (enabled) are listed.
class AnswerOracle {
  public:
    explicit AnswerOracle(const ExerciseWindow* window);

    /// True for the windows answered by dragging (Form1, Form2, Form5, Form7, Form8).
    bool answersByDragging() const { return dragging_; }
    /// The controls that give answers: the draggable words or the answer
    /// buttons and tiles, enabled or not.
    QStringList answerControls() const;
    /// The controls that accept dropped words (empty for click windows).
    QStringList dropTargets() const;

    QList<Move> rightMoves() const;
    QList<Move> wrongMoves() const;
    /// The item `move` acts on, as the register names it: the dragged
    /// word's pair, or the item whose answer is clicked.
    QString itemOf(const Move& move) const;

  private:
    bool isRight(const QString& source, const QString& target) const;
    bool takesInput(const QString& name) const;

    const ExerciseWindow* window_;
    QString form_;
    bool dragging_ = false;
};

} // namespace vocario::endurance
