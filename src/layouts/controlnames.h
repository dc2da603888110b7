#pragma once

#include <QString>
#include <optional>

namespace vocario {

/// Name of a control-array member: "Label3", 4 gives "Label3(4)".
inline QString memberName(const QString& arrayName, int index) {
    return QStringLiteral("%1(%2)").arg(arrayName).arg(index);
}

/// Index of a member of the given array, or nothing when the name is another.
inline std::optional<int> memberIndex(const QString& name, const QString& arrayName) {
    if (!name.startsWith(arrayName + u'(') || !name.endsWith(u')'))
        return std::nullopt;
    bool ok = false;
    const int index = name.mid(arrayName.size() + 1, name.size() - arrayName.size() - 2).toInt(&ok);
    if (!ok || index < 0)
        return std::nullopt;
    return index;
}

} // namespace vocario
