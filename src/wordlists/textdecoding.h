#pragma once

#include <QByteArray>
#include <QString>

namespace vocario {

/// Decodes a word-list file: UTF-8 (with or without a byte-order mark) when the
/// bytes are valid UTF-8, otherwise Windows-1252, the code page of older lists.
QString decodeWordListText(const QByteArray& bytes);

} // namespace vocario
