#pragma once

#include <QString>
#include <optional>

class QMimeData;

namespace vocario {

/// What a dragged label carries: its design name, e.g. "Label3(4)", as UTF-8
/// under one MIME type of the program's own.
namespace DragPayload {

inline const QString kMimeType = QStringLiteral("application/x-vocario-label");

QMimeData* encode(const QString& labelName);
std::optional<QString> decode(const QMimeData* mime);

} // namespace DragPayload
} // namespace vocario
