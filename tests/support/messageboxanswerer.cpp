#include "messageboxanswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QMessageBox>
#include <QTimer>

namespace vocario::testing {

void MessageBoxAnswerer::answerNext(const QString& buttonText) {
    queued_.append(buttonText);
    if (queued_.size() == 1)
        QTimer::singleShot(0, &looks_, [this] { tryAnswer(); });
}

void MessageBoxAnswerer::tryAnswer() {
    if (queued_.isEmpty())
        return;
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) {
        // The box opens inside a handler that has not run yet: look again soon.
        if (++attempts_ < 5000)
            QTimer::singleShot(1, &looks_, [this] { tryAnswer(); });
        return;
    }
    attempts_ = 0;
    const QString wanted = queued_.takeFirst();
    texts_.append(box->text());
    titles_.append(box->windowTitle());
    pointSizes_.append(box->font().pointSizeF());
    QAbstractButton* chosen = nullptr;
    for (QAbstractButton* button : box->buttons())
        if (button->text() == wanted)
            chosen = button;
    if (chosen)
        chosen->click();
    else
        qWarning("No button \"%s\" on the message box", qPrintable(wanted));
    if (!queued_.isEmpty())
        QTimer::singleShot(0, &looks_, [this] { tryAnswer(); });
}

bool MessageBoxAnswerer::waitUntilAnswered() {
    const QDeadlineTimer deadline(5000);
    while (!queued_.isEmpty() || QApplication::activeModalWidget()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

} // namespace vocario::testing
