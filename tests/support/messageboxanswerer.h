#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace vocario::testing {

/// Answers the program's next "Vocario" message box by pressing the button
/// with the given text ("Sì", "No", "OK") as soon as the box is open, and
/// records what the box said.
class MessageBoxAnswerer {
  public:
    /// Queues one answer; boxes are answered in the order queued.
    void answerNext(const QString& buttonText);
    /// Texts of the boxes answered so far.
    QStringList texts() const { return texts_; }
    /// Titles of the boxes answered so far.
    QStringList titles() const { return titles_; }
    /// The point size of their words.
    QList<double> pointSizes() const { return pointSizes_; }
    int pending() const { return int(queued_.size()); }
    /// Runs the event loop until every queued answer is given and no box is
    /// open: the menu bar's items open theirs after the action returns.
    /// False after five seconds.
    bool waitUntilAnswered();

  private:
    void tryAnswer();

    QStringList queued_;
    QStringList texts_;
    QStringList titles_;
    QList<double> pointSizes_;
    int attempts_ = 0;
    /// The context of the looks still to come: an answerer that goes out of
    /// scope takes them with it, so none runs on a dead object.
    QObject looks_;
};

} // namespace vocario::testing
