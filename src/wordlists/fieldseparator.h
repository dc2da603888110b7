#pragma once

#include <QChar>
#include <QStringView>

namespace vocario {

/// How a word-list file separates the parts of a line.
struct FieldSeparator {
    QChar separator = u',';
    /// The first line that separates its parts as the file does.
    int firstLine = 0;
    /// The first line that separates them with the other character; 0 when
    /// every line agrees.
    int otherLine = 0;
};

/// Decides the separator of a file with no "sep=" line. Commas, as always,
/// unless the lines separate their parts with semicolons instead, as
/// spreadsheets with Italian settings save CSV: a line with semicolons and no
/// comma outside quotes counts for the semicolon, one with commas and no
/// semicolon for the comma. A file with lines of both kinds mixes them. When
/// every line has both, the character that comes the same number of times on
/// every line separates (the other is in the texts); the comma if both do.
/// With `tabulazioni` (the class lists; a word list reads its tabs as blanks,
/// as it always has), tabs separate when every line has as many of them and
/// neither commas nor semicolons come as many times on every line: Excel's
/// "Unicode text", which leaves a comma in a name unquoted.
/// `firstLine` is the number of the text's first line.
FieldSeparator detectFieldSeparator(QStringView text, int firstLine = 1, bool tabulazioni = false);

/// "la virgola (,)", "il punto e virgola (;)"
QString separatorName(QChar separator);

} // namespace vocario
