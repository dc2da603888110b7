#pragma once

#include <QPoint>
#include <QString>

class QMimeData;
class QWidget;

namespace vocario::endurance {

/// A pupil's mouse inside the test process: presses and releases enter the
/// window through Qt's platform layer, so the window itself decides which
/// control is under the pointer, and a second click soon after the first on
/// the same spot is a double click. Drops arrive as the platform's drag and
/// drop events at the spot, carrying what a dragged word carries.
class SimulatedMouse {
  public:
    /// A left click at the centre of `control` (or at `offset` within it).
    void click(QWidget* control, QPoint offset = QPoint(-1, -1));
    /// The second click of a double click: on the same spot as the click just
    /// made, at once.
    void clickAgainAtOnce();
    /// Drops the word named `sourceName` (e.g. "Label3(4)") at the centre of
    /// `control`. True when a control there took the drop.
    static bool dropWord(QWidget* control, const QString& sourceName);
    /// Drops `payload` (taken over) at the centre of `control`.
    static bool dropData(QWidget* control, QMimeData* payload);

  private:
    void pressAndRelease();

    QWidget* lastWindow_ = nullptr;
    QPoint lastSpot_;
    /// Event time in ms; clicks far apart unless a double click is wanted.
    ulong time_ = 1000000;
};

} // namespace vocario::endurance
