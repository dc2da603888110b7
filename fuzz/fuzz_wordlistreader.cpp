// libFuzzer target for the word-list reader. Whatever bytes a teacher's file
// holds, the reader must give whole records within the limit or a message that
// names the file, and must never crash, hang or leak.
//
// Input: the first byte chooses the reading, the rest is the file.
//   fields per record = 2 + (byte & 3)              (2..5)
//   limit             = {100, 200, 500}[(byte >> 2) % 3]
// so the seed files start with a readable digit: '0'..'3' read 2..5 fields with
// limit 100, '4'..'7' the same with limit 200, '8' and '9' 2 and 3 fields with
// limit 500.

#include "wordlists/textdecoding.h"
#include "wordlists/wordlistreader.h"

#include <QRegularExpression>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using vocario::WordListReader;
using vocario::WordListResult;

namespace {

const QString kShownName = QStringLiteral("testi/prova.txt");
constexpr int kLimits[] = {100, 200, 500};

[[noreturn]] void broken(const char* rule, const QString& detail) {
    std::fprintf(stderr, "word-list reader rule broken: %s\n%s\n", rule,
                 detail.toUtf8().constData());
    std::abort();
}

// Lines of the text as a teacher counts them: CR LF, LF and CR each end one.
int linesIn(const QString& text) {
    int lines = 1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        if (text[i] == u'\n' || text[i] == u'\r')
            ++lines;
    }
    return lines;
}

// Writes the records back, one per line, every field in quotes with its own
// quotes doubled, as a spreadsheet saves them.
QByteArray writeBack(const QList<QStringList>& records) {
    QString text;
    for (const QStringList& record : records) {
        for (qsizetype f = 0; f < record.size(); ++f) {
            if (f > 0)
                text += u',';
            QString field = record[f];
            text += u'"' + field.replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
        }
        text += u'\n';
    }
    return text.toUtf8();
}

// The same file with every line end written as LF.
QByteArray withLfLineEnds(const QByteArray& bytes) {
    QByteArray lf = bytes;
    return lf.replace("\r\n", "\n").replace('\r', '\n');
}

QList<QStringList> withLfLineEnds(QList<QStringList> records) {
    for (QStringList& record : records)
        for (QString& field : record)
            field.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    return records;
}

// CR LF, LF and CR are the same line end: the reading, the messages and their
// line numbers must not change when a file's line ends are rewritten.
void checkLineEndsAlike(const QByteArray& bytes, const WordListResult& result, int fieldsPerRecord,
                        int limit) {
    const WordListResult lf =
        WordListReader::parse(withLfLineEnds(bytes), kShownName, fieldsPerRecord, limit);
    if (lf.ok != result.ok || lf.error != result.error)
        broken("another kind of line end reads differently", result.error + u'\n' + lf.error);
    if (lf.records != withLfLineEnds(result.records))
        broken("another kind of line end gives other records", QString());
}

void checkSuccess(const QByteArray& bytes, const WordListResult& result, int fieldsPerRecord,
                  int limit) {
    if (!result.error.isEmpty())
        broken("a successful read carries a message", result.error);
    if (result.records.size() > limit)
        broken("more records than the limit", QString::number(result.records.size()));
    if (result.recordLines.size() != result.records.size())
        broken("records without their lines", QString());
    for (const QStringList& record : result.records)
        if (record.size() != fieldsPerRecord)
            broken("a record with the wrong number of fields", record.join(u'|'));

    // What was read, written back in the same format, reads the same again.
    const WordListResult again =
        WordListReader::parse(writeBack(result.records), kShownName, fieldsPerRecord, limit);
    if (!again.ok || again.records != result.records)
        broken("records written back do not read the same", again.error);

    // One record fewer allowed: the same file must be refused.
    if (!result.records.isEmpty()) {
        const WordListResult tighter = WordListReader::parse(bytes, kShownName, fieldsPerRecord,
                                                             int(result.records.size()) - 1);
        if (tighter.ok)
            broken("a lower limit still accepted the file", QString());
    }
}

void checkFailure(const QByteArray& bytes, const WordListResult& result) {
    if (result.error.isEmpty())
        broken("a refused file without a message", QString());
    if (!result.error.contains(kShownName))
        broken("the message does not name the file", result.error);
    static const QRegularExpression lineMention(QStringLiteral("riga (\\d+)"));
    const QRegularExpressionMatch match = lineMention.match(result.error);
    if (match.hasMatch()) {
        const int line = match.captured(1).toInt();
        if (line < 1 || line > linesIn(vocario::decodeWordListText(bytes)))
            broken("the message names a line the file does not have", result.error);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const int fieldsPerRecord = 2 + (data[0] & 3);
    const int limit = kLimits[(data[0] >> 2) % 3];
    // Raw data, not a copy: a read past the end of the file is caught at once.
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));

    const WordListResult result = WordListReader::parse(bytes, kShownName, fieldsPerRecord, limit);
    if (result.ok)
        checkSuccess(bytes, result, fieldsPerRecord, limit);
    else
        checkFailure(bytes, result);
    // In UTF-16 the bytes of CR and LF are halves of other characters too.
    if (!vocario::isUtf16WithMark(bytes))
        checkLineEndsAlike(bytes, result, fieldsPerRecord, limit);
    return 0;
}
