#include "wordlistscan.h"

#include "fieldscanner.h"

namespace vocario {
namespace {

// Drops the empty parts after the last word of each line that go beyond the
// records the line's words fill: `alto, basso,` is one pair, while a line of
// four-part records `frutta, mela, pera,` keeps its empty fourth part.
void dropTrailingEmptyParts(WordListScan& scan, int fieldsPerRecord) {
    QList<QString> fields;
    QList<int> lines;
    qsizetype from = 0;
    while (from < scan.fields.size()) {
        const int line = scan.fieldLines[from];
        qsizetype to = from;
        qsizetype filled = 0; // parts up to the line's last word
        while (to < scan.fields.size() && scan.fieldLines[to] == line) {
            if (!scan.fields[to].trimmed().isEmpty())
                filled = to - from + 1;
            ++to;
        }
        const qsizetype records =
            qMax<qsizetype>(1, (filled + fieldsPerRecord - 1) / fieldsPerRecord);
        const qsizetype kept = qMin(to - from, records * fieldsPerRecord);
        if (kept < to - from)
            scan.trailingEmptyLines << line;
        fields += scan.fields.mid(from, kept);
        lines += scan.fieldLines.mid(from, kept);
        from = to;
    }
    scan.fields = std::move(fields);
    scan.fieldLines = std::move(lines);
}

} // namespace

WordListScan scanWordList(const QByteArray& bytes, int fieldsPerRecord, bool tabulazioni) {
    WordListScan scan;
    DecodedText decoded = decodeWordListLines(bytes);
    // NUL characters, whatever the encoding, mean a picture or a document.
    if (decoded.brokenUtf16 || decoded.text.contains(QChar(0))) {
        scan.notText = true;
        return scan;
    }
    scan.windows1252Lines = std::move(decoded.windows1252Lines);
    scan.utf8Lines = decoded.utf8Lines;
    FieldScanner scanner(decoded.text, tabulazioni);
    scan.separator = scanner.separator();
    while (scanner.hasField()) {
        const int line = scanner.line();
        bool unclosedQuote = false;
        scan.fields.append(scanner.readField(unclosedQuote));
        scan.fieldLines.append(line);
        if (unclosedQuote) {
            scan.unclosedQuoteLine = line;
            break;
        }
    }
    if (fieldsPerRecord > 0 && scan.unclosedQuoteLine == 0)
        dropTrailingEmptyParts(scan, fieldsPerRecord);
    return scan;
}

} // namespace vocario
