#pragma once

#include <QByteArray>
#include <QString>

namespace vocario {

/// Decodes a word-list file: UTF-8 (with or without a byte-order mark) when the
/// bytes are valid UTF-8, otherwise Windows-1252, the code page of older lists.
/// A file that starts with a UTF-16 byte-order mark (Notepad's "Unicode") is
/// read as UTF-16.
QString decodeWordListText(const QByteArray& bytes);

/// True when the bytes start with a UTF-16 byte-order mark.
bool isUtf16WithMark(const QByteArray& bytes);

} // namespace vocario
