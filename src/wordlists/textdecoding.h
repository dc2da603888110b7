#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace vocario {

/// A word-list file as text, and which of its lines were read as what.
struct DecodedText {
    QString text;
    /// Lines (from 1) with accented letters read as Windows-1252.
    QList<int> windows1252Lines;
    /// How many lines with accented letters were read as UTF-8.
    int utf8Lines = 0;
    /// A UTF-16 file cut inside a character or holding half of one.
    bool brokenUtf16 = false;
};

/// Decodes a word-list file line by line: a line that is valid UTF-8 is read
/// as UTF-8, any other as Windows-1252, the code page of older lists, so that
/// one line pasted from elsewhere does not spoil the others. A byte-order mark
/// at the start is dropped. A file that starts with a UTF-16 byte-order mark
/// (Notepad's "Unicode") is read whole as UTF-16.
DecodedText decodeWordListLines(const QByteArray& bytes);

/// The text alone.
QString decodeWordListText(const QByteArray& bytes);

/// True when the bytes start with a UTF-16 byte-order mark.
bool isUtf16WithMark(const QByteArray& bytes);

} // namespace vocario
