#include "wordlistreader.h"

#include "listmessages.h"
#include "recordshape.h"
#include "wordlistscan.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace vocario {
namespace {

WordListResult failure(const QString& message) {
    WordListResult result;
    result.ok = false;
    result.error = message;
    return result;
}

// The first problem in the file, by its line; 0 when there is none.
struct Problem {
    int line = 0;
    QString message;
    void offer(int at, const QString& text) {
        if (at > 0 && (line == 0 || at < line)) {
            line = at;
            message = text;
        }
    }
};

} // namespace

WordListReader::WordListReader(const QString& programFolder)
    : folders_{{programFolder + QStringLiteral("/testi"), QStringLiteral("testi/")}} {}

int WordListReader::sourceFolder(const QString& fileName) const {
    for (qsizetype i = 0; i < folders_.size(); ++i)
        if (QFileInfo::exists(folders_[i].path + u'/' + fileName))
            return int(i);
    return -1;
}

QString WordListReader::pathOf(const QString& fileName) const {
    if (folders_.isEmpty())
        return fileName;
    const int folder = sourceFolder(fileName);
    return folders_[folder < 0 ? folders_.size() - 1 : folder].path + u'/' + fileName;
}

QString WordListReader::shownNameOf(const QString& fileName) const {
    if (folders_.isEmpty())
        return fileName;
    const int folder = sourceFolder(fileName);
    return folders_[folder < 0 ? folders_.size() - 1 : folder].shownAs + fileName;
}

bool WordListReader::load(const QString& fileName, QByteArray& bytes, QString& error) const {
    const QString shown = shownNameOf(fileName);
    const QString path = pathOf(fileName);
    const QFileInfo info(path);
    if (!info.exists()) {
        QStringList looked;
        for (const WordListFolder& folder : folders_)
            looked << folder.path;
        error = ListMessages::missing(shown, looked);
        return false;
    }
    if (!info.isFile() || info.size() > kMaxFileBytes) {
        error = info.isFile() ? ListMessages::tooBig(shown) : ListMessages::notAFile(shown);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = ListMessages::cannotOpen(shown);
        return false;
    }
    // Read in pieces: the file may grow between the size check and the read,
    // and a small list should not cost a buffer of the largest size.
    bytes.clear();
    while (!file.atEnd() && bytes.size() <= kMaxFileBytes) {
        const QByteArray piece = file.read(64 * 1024);
        if (piece.isEmpty())
            break;
        bytes += piece;
    }
    if (bytes.size() > kMaxFileBytes) {
        error = ListMessages::tooBig(shown);
        return false;
    }
    return true;
}

WordListResult WordListReader::read(const QString& fileName, int fieldsPerRecord, int maxRecords,
                                    int block) const {
    QByteArray bytes;
    QString error;
    if (!load(fileName, bytes, error))
        return failure(error);
    const QString shown = shownNameOf(fileName);
    WordListResult result = parse(bytes, shown, fieldsPerRecord, maxRecords);
    if (result.ok && result.records.size() % block != 0) {
        const int records = int(result.records.size());
        const int leftOver = result.recordLines[records - records % block];
        return failure(ListMessages::notWholeBlocks(shown, records, block, leftOver));
    }
    return result;
}

WordListResult WordListReader::parse(const QByteArray& bytes, const QString& shownName,
                                     int fieldsPerRecord, int maxRecords, bool tabulazioni) {
    const WordListScan scan = scanWordList(bytes, fieldsPerRecord, tabulazioni);
    if (scan.notText)
        return failure(ListMessages::notText(shownName));
    const QChar separator = scan.separator.separator;
    const qsizetype fieldCount = scan.fields.size();
    const qsizetype wholeRecords = fieldCount / fieldsPerRecord;

    Problem first;
    if (fieldCount > qsizetype(maxRecords) * fieldsPerRecord) {
        const int line = scan.fieldLines[qsizetype(maxRecords) * fieldsPerRecord];
        first.offer(line, ListMessages::tooManyRecords(shownName, maxRecords, line));
    }
    if (scan.unclosedQuoteLine > 0)
        first.offer(scan.unclosedQuoteLine,
                    ListMessages::unclosedQuote(shownName, scan.unclosedQuoteLine));
    // Lines that mix the separators are read wrong from the first of them on.
    if (scan.separator.otherLine > 0)
        first.offer(scan.separator.otherLine,
                    ListMessages::mixedSeparators(shownName, scan.separator));
    for (const ShapeBreak& stretch : findShapeBreaks(scan.fieldLines, fieldsPerRecord)) {
        if (stretch.shifted) {
            first.offer(stretch.lines.first().line,
                        ListMessages::linesOutOfShape(shownName, stretch.lines, fieldsPerRecord,
                                                      separator));
            break;
        }
    }
    // A quote left open swallows the rest of the file: the record it cuts
    // short is not a problem of its own.
    if (fieldCount % fieldsPerRecord != 0 && scan.unclosedQuoteLine == 0) {
        const int line = scan.fieldLines[wholeRecords * fieldsPerRecord];
        const bool oneFieldPerLine =
            fieldsPerRecord > 1 &&
            std::adjacent_find(scan.fieldLines.cbegin(), scan.fieldLines.cend()) ==
                scan.fieldLines.cend();
        first.offer(line, ListMessages::cutShort(shownName, line, fieldsPerRecord, separator,
                                                 oneFieldPerLine));
    }
    if (first.line > 0)
        return failure(first.message);

    WordListResult result;
    result.records.reserve(wholeRecords);
    result.recordLines.reserve(wholeRecords);
    for (qsizetype r = 0; r < wholeRecords; ++r) {
        const qsizetype from = r * fieldsPerRecord;
        result.records.append(scan.fields.mid(from, fieldsPerRecord));
        result.recordLines.append(scan.fieldLines[from]);
    }
    return result;
}

} // namespace vocario
