#include "wordlistscan.h"

#include "fieldscanner.h"

namespace vocario {

WordListScan scanWordList(const QByteArray& bytes) {
    WordListScan scan;
    DecodedText decoded = decodeWordListLines(bytes);
    // NUL characters, whatever the encoding, mean a picture or a document.
    if (decoded.brokenUtf16 || decoded.text.contains(QChar(0))) {
        scan.notText = true;
        return scan;
    }
    scan.windows1252Lines = std::move(decoded.windows1252Lines);
    scan.utf8Lines = decoded.utf8Lines;
    FieldScanner scanner(decoded.text);
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
    return scan;
}

} // namespace vocario
