#include "dropdelivery.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <memory>

namespace vocario::testing {

bool deliverDropAt(QObject* receiver, QPointF at, QMimeData* payload) {
    std::unique_ptr<QMimeData> mime(payload);
    QDragEnterEvent enter(at.toPoint(), Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(receiver, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(at, Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(receiver, &drop);
    return drop.isAccepted();
}

} // namespace vocario::testing
