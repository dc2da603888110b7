#include "doubleclickguard.h"

#include <QApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <QWidget>

namespace vocario {

namespace {
// Input that reaches a window after it was closed was queued while the
// program was busy with the input before (a second tap on "Avvio" while the
// register opens): the window is gone for the pupil, so it acts no more.
// A window never shown (a test's) is not one the pupil left.
bool perFinestraChiusa(QObject* watched, QEvent::Type tipo) {
    switch (tipo) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        break;
    default:
        return false;
    }
    if (!watched->isWidgetType())
        return false;
    const QWidget* finestra = static_cast<QWidget*>(watched)->window();
    return finestra->isHidden() && finestra->testAttribute(Qt::WA_WState_ExplicitShowHide);
}
} // namespace

DoubleClickGuard* DoubleClickGuard::instance() {
    static QPointer<DoubleClickGuard> guard;
    if (!guard && qApp) {
        guard = new DoubleClickGuard(qApp);
        qApp->installEventFilter(guard);
    }
    return guard;
}

void DoubleClickGuard::install() {
    instance();
}

void DoubleClickGuard::contentReplaced() {
    if (DoubleClickGuard* guard = instance())
        ++guard->appearances_;
}

bool DoubleClickGuard::eventFilter(QObject* watched, QEvent* event) {
    if (perFinestraChiusa(watched, event->type()))
        return true;
    switch (event->type()) {
    case QEvent::Show:
        if (watched->isWidgetType()) {
            const auto* widget = static_cast<QWidget*>(watched);
            if (widget->isWindow() && widget->windowType() != Qt::ToolTip)
                ++appearances_;
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            break;
        if (dropping_ && mouse->timestamp() == droppedTime_)
            return true; // the same press seen again, or its double-click event
        dropping_ = false;
        const QStyleHints* hints = QGuiApplication::styleHints();
        const bool second =
            pressed_ &&
            mouse->timestamp() - pressTime_ < quint64(hints->mouseDoubleClickInterval()) &&
            (mouse->globalPosition() - pressAt_).manhattanLength() <=
                hints->mouseDoubleClickDistance();
        if (second && appearances_ != appearancesAtPress_) {
            dropping_ = true;
            droppedTime_ = mouse->timestamp();
            return true;
        }
        if (event->type() == QEvent::MouseButtonPress) {
            pressed_ = true;
            pressTime_ = mouse->timestamp();
            pressAt_ = mouse->globalPosition();
            appearancesAtPress_ = appearances_;
        }
        break;
    }
    case QEvent::MouseButtonRelease:
        if (dropping_ && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            dropping_ = false;
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vocario
