#pragma once

#include "layouts/designlabel.h"
#include "outlineoverlay.h"

#include <QObject>
#include <QPalette>
#include <QPointer>

#include <functional>

namespace vocario {

/// How the window judged a word dropped on a place.
enum class DropVerdict {
    Right,
    Wrong,
    /// Not taken as an answer (a word already placed, an item that is over).
    Ignored,
};

/// Judges the word of that design name dropped on one place, as a real drop
/// of it is judged.
using PlaceDrop = std::function<DropVerdict(const QString& wordName)>;

/// The way to answer a drag exercise without holding a button down: a click,
/// a tap or Space on a word picks it (marked by a striped outline and
/// inverted colours), the same on it again puts it back, and a click, tap or
/// Space on a place drops the picked word there exactly as a drag would, by
/// the function the place's real drops go to. After a wrong drop the word
/// stays picked.
class PickAndPlace : public QObject {
    Q_OBJECT
  public:
    explicit PickAndPlace(QWidget* client);

    void addWord(DesignLabel* word);
    void addPlace(DesignLabel* place, PlaceDrop drop);

    DesignLabel* pickedWord() const { return picked_; }
    /// Puts the picked word back; false when none was picked.
    bool putBack();

  signals:
    /// A word was picked (by the mouse, a tap or the keyboard).
    void picked(DesignLabel* word);
    /// The picked word was put back or placed: nothing is picked now.
    void released(DesignLabel* word);
    /// The pupil put the picked word back (Esc, or the word pressed again).
    void putAway(DesignLabel* word);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void wordClicked(DesignLabel* word);
    void placeClicked(DesignLabel* place, const PlaceDrop& drop);
    void pick(DesignLabel* word);
    void unmark();

    QWidget* client_;
    QPointer<DesignLabel> picked_;
    QPalette pickedPalette_;
    QPointer<OutlineOverlay> outline_;
};

} // namespace vocario
