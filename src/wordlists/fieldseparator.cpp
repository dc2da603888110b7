#include "fieldseparator.h"

#include <QList>
#include <QString>

namespace vocario {
namespace {

// What one line holds outside quotes.
struct LineSeparators {
    int line = 0;
    int commas = 0;
    int semicolons = 0;
    int tabs = 0;
};

// The lines that hold a word, with their separators outside quotes. A quote
// opens a quoted part only at the start of a part, as the scanner reads it.
QList<LineSeparators> separatorsPerLine(QStringView text, int firstLine, bool tabulazioni) {
    QList<LineSeparators> lines;
    LineSeparators current{.line = firstLine};
    int line = firstLine;
    bool hasWord = false;
    bool partStart = true;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool lineEnd =
            c == u'\n' || (c == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n'));
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"')
                ++i; // a doubled quote is a quote of the text
            else if (c == u'"')
                quoted = false;
            line += lineEnd ? 1 : 0;
            continue;
        }
        if (c == u'\t') {
            // A blank, unless tabs may separate: then a part may start after it.
            ++current.tabs;
            partStart = partStart || tabulazioni;
        } else if (c == u',' || c == u';') {
            ++(c == u',' ? current.commas : current.semicolons);
            partStart = true;
        } else if (c == u'\n' || c == u'\r') {
            if (!lineEnd)
                continue; // the CR of a CR LF
            if (hasWord)
                lines << current;
            current = {.line = ++line};
            hasWord = false;
            partStart = true;
        } else if (c != u' ') {
            quoted = partStart && c == u'"';
            hasWord = true;
            partStart = false;
        }
    }
    if (hasWord)
        lines << current;
    return lines;
}

// Does `count` of every line with separators give the same number?
template <typename Count> bool sameOnEveryLine(const QList<LineSeparators>& lines, Count count) {
    for (const LineSeparators& l : lines)
        if (count(l) != count(lines.first()))
            return false;
    return true;
}

} // namespace

FieldSeparator detectFieldSeparator(QStringView text, int firstLine, bool tabulazioni) {
    const QList<LineSeparators> lines = separatorsPerLine(text, firstLine, tabulazioni);
    FieldSeparator found;
    int firstComma = 0;
    int firstSemicolon = 0;
    QList<LineSeparators> both;
    // Excel's "Unicode text" separates with tabs, and leaves a comma in a
    // name unquoted: tabs separate when every line has as many, unless
    // commas or semicolons do the same.
    const auto ogniRiga = [&lines](auto count) {
        return !lines.isEmpty() && count(lines.first()) > 0 && sameOnEveryLine(lines, count);
    };
    if (tabulazioni && ogniRiga([](auto& l) { return l.tabs; }) &&
        !ogniRiga([](auto& l) { return l.commas; }) &&
        !ogniRiga([](auto& l) { return l.semicolons; })) {
        found.separator = u'\t';
        return found;
    }
    for (const LineSeparators& l : lines) {
        if (l.commas > 0 && l.semicolons > 0)
            both << l;
        else if (l.commas > 0 && firstComma == 0)
            firstComma = l.line;
        else if (l.semicolons > 0 && firstSemicolon == 0)
            firstSemicolon = l.line;
    }
    if (firstSemicolon == 0 && (firstComma > 0 || both.isEmpty()))
        return found;
    if (firstSemicolon == 0) {
        if (!sameOnEveryLine(both, [](auto& l) { return l.commas; }) &&
            sameOnEveryLine(both, [](auto& l) { return l.semicolons; }))
            found.separator = u';';
        return found;
    }
    found.separator = firstComma > 0 && firstComma < firstSemicolon ? u',' : u';';
    found.firstLine = found.separator == u',' ? firstComma : firstSemicolon;
    if (firstComma > 0)
        found.otherLine = found.separator == u',' ? firstSemicolon : firstComma;
    return found;
}

QString separatorName(QChar separator) {
    if (separator == u'\t')
        return QStringLiteral("la tabulazione");
    return separator == u';' ? QStringLiteral("il punto e virgola (;)")
                             : QStringLiteral("la virgola (,)");
}

} // namespace vocario
