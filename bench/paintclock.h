#pragma once

#include <QApplication>
#include <QString>
#include <chrono>

class QWindow;

namespace bench {

/// The benchmark's application object. It sees every event the program
/// handles, so it can tell when a window's first paint has reached the
/// screen (the end of its first expose) and when a change has been repainted
/// (the end of the update request that follows it).
class PaintClock : public QApplication {
  public:
    using Clock = std::chrono::steady_clock;

    PaintClock(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    /// The next completed expose of a top-level window named `windowName`
    /// stops the clock.
    void armForExpose(const QString& windowName);
    /// The next completed repaint of `window` stops the clock.
    void armForRepaint(QWidget* window);

    /// Handles events until the clock stops; the milliseconds from `start`
    /// to the stop, or a negative value after `timeoutMs`.
    double waitSince(Clock::time_point start, int timeoutMs = 3000);

    /// Widgets painted between arming the clock and its stop.
    int paintsSeen() const { return paints_; }

    /// Handles whatever is pending, so that the next measure starts idle.
    static void settle();

  private:
    bool isArmedWindow(QObject* receiver) const;

    enum class Watch { Nothing, Expose, Repaint };
    Watch watch_ = Watch::Nothing;
    QString windowName_;
    QWidget* window_ = nullptr;
    bool stopped_ = false;
    int paints_ = 0;
    Clock::time_point stoppedAt_;
};

} // namespace bench
