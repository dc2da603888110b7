#pragma once

#include <QObject>
#include <QPointF>

namespace vocario {

/// Keeps the second click of a double click off whatever the first click
/// made appear: a new window, a message box, a new item. A press that comes
/// within the double-click interval and distance of the last one, after
/// something appeared, is dropped with its release; a second click made
/// after the interval acts as usual. Presses and keys that reach a window
/// already closed (queued while the program was busy) are dropped too.
class DoubleClickGuard : public QObject {
    Q_OBJECT
  public:
    /// Starts watching the program's mouse presses (once).
    static void install();
    /// The window on show was filled anew (a new item).
    static void contentReplaced();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    explicit DoubleClickGuard(QObject* parent) : QObject(parent) {}
    static DoubleClickGuard* instance();

    /// Raised whenever something appears.
    quint64 appearances_ = 0;
    quint64 appearancesAtPress_ = 0;
    bool pressed_ = false;
    quint64 pressTime_ = 0;
    QPointF pressAt_;
    bool dropping_ = false;
    quint64 droppedTime_ = 0;
};

} // namespace vocario
