#include "paintclock.h"

#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <thread>

namespace bench {

PaintClock::PaintClock(int& argc, char** argv) : QApplication(argc, argv) {
    // Wakes the waiting loop now and then, in case no event comes at all.
    auto* heartbeat = new QTimer(this);
    heartbeat->start(20);
}

bool PaintClock::notify(QObject* receiver, QEvent* event) {
    const bool result = QApplication::notify(receiver, event);
    if (stopped_ || watch_ == Watch::Nothing)
        return result;
    if (event->type() == QEvent::Paint)
        ++paints_;
    // Qt paints and flushes a window while it handles these two events, so
    // their end is the moment the pixels are handed to the window system.
    if (watch_ == Watch::Expose && event->type() == QEvent::Expose) {
        auto* window = qobject_cast<QWindow*>(receiver);
        if (window && window->isExposed() && isArmedWindow(window)) {
            stopped_ = true;
            stoppedAt_ = Clock::now();
        }
    } else if (watch_ == Watch::Repaint && event->type() == QEvent::UpdateRequest &&
               (receiver == window_ || receiver == window_->windowHandle())) {
        stopped_ = true;
        stoppedAt_ = Clock::now();
    }
    return result;
}

bool PaintClock::isArmedWindow(QObject* receiver) const {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->windowHandle() == receiver && widget->objectName() == windowName_)
            return true;
    return false;
}

void PaintClock::armForExpose(const QString& windowName) {
    watch_ = Watch::Expose;
    windowName_ = windowName;
    window_ = nullptr;
    stopped_ = false;
    paints_ = 0;
}

void PaintClock::armForRepaint(QWidget* window) {
    watch_ = Watch::Repaint;
    window_ = window;
    stopped_ = false;
    paints_ = 0;
}

double PaintClock::waitSince(Clock::time_point start, int timeoutMs) {
    const auto deadline = start + std::chrono::milliseconds(timeoutMs);
    while (!stopped_ && Clock::now() < deadline)
        processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    watch_ = Watch::Nothing;
    if (!stopped_)
        return -1;
    return std::chrono::duration<double, std::milli>(stoppedAt_ - start).count();
}

void PaintClock::settle() {
    for (int i = 0; i < 3; ++i) {
        sendPostedEvents();
        processEvents(QEventLoop::AllEvents);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

} // namespace bench
