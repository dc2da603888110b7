#include "dragpayload.h"

#include <QMimeData>

namespace vocario::DragPayload {

QMimeData* encode(const QString& labelName) {
    auto* mime = new QMimeData;
    mime->setData(kMimeType, labelName.toUtf8());
    return mime;
}

std::optional<QString> decode(const QMimeData* mime) {
    if (!mime || !mime->hasFormat(kMimeType))
        return std::nullopt;
    const QString name = QString::fromUtf8(mime->data(kMimeType));
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

} // namespace vocario::DragPayload
