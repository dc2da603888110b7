#include "simulatedmouse.h"

#include "dropdelivery.h"
#include "layouts/dragpayload.h"

#include <QMimeData>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QStyleHints>
#include <QWidget>
#include <QWindow>

// The platform entry for mouse events, as Qt Test uses it.
Q_GUI_EXPORT void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global,
                                      Qt::MouseButtons state, Qt::MouseButton button,
                                      QEvent::Type type, Qt::KeyboardModifiers mods, int timestamp);

namespace vocario::endurance {

void SimulatedMouse::click(QWidget* control, QPoint offset) {
    lastWindow_ = control->window();
    const QPoint inControl = offset.x() < 0 ? control->rect().center() : offset;
    lastSpot_ = control->mapTo(lastWindow_, inControl);
    // Well past the double-click interval since the last click.
    time_ += ulong(QGuiApplication::styleHints()->mouseDoubleClickInterval()) + 1000;
    pressAndRelease();
}

void SimulatedMouse::clickAgainAtOnce() {
    time_ += 20;
    pressAndRelease();
}

void SimulatedMouse::pressAndRelease() {
    QWindow* handle = lastWindow_ ? lastWindow_->windowHandle() : nullptr;
    if (!handle)
        return;
    const QPointF global = handle->mapToGlobal(lastSpot_);
    qt_handleMouseEvent(handle, lastSpot_, global, Qt::LeftButton, Qt::LeftButton,
                        QEvent::MouseButtonPress, Qt::NoModifier, int(time_));
    qt_handleMouseEvent(handle, lastSpot_, global, Qt::NoButton, Qt::LeftButton,
                        QEvent::MouseButtonRelease, Qt::NoModifier, int(time_ + 5));
    QCoreApplication::processEvents();
}

bool SimulatedMouse::dropWord(QWidget* control, const QString& sourceName) {
    return dropData(control, DragPayload::encode(sourceName));
}

bool SimulatedMouse::dropData(QWidget* control, QMimeData* payload) {
    QWidget* window = control->window();
    QWindow* handle = window->windowHandle();
    if (!handle) {
        delete payload;
        return false;
    }
    return testing::deliverDropAt(handle, control->mapTo(window, control->rect().center()),
                                  payload);
}

} // namespace vocario::endurance
