#pragma once

#include <QPointF>

class QMimeData;
class QObject;

namespace vocario::testing {

/// Delivers a drag of `payload` to `receiver` (a widget, or a window handle
/// that passes it on to the control under `at`) as the platform does: an
/// enter event, then the drop at the same place. Takes the payload over.
/// Returns whether the drop was taken.
bool deliverDropAt(QObject* receiver, QPointF at, QMimeData* payload);

} // namespace vocario::testing
