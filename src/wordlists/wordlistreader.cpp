#include "wordlistreader.h"

#include "fieldscanner.h"
#include "textdecoding.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vocario {
namespace {

WordListResult failure(const QString& message) {
    WordListResult result;
    result.ok = false;
    result.error = message;
    return result;
}

QString fieldsHint(int fieldsPerRecord) {
    if (fieldsPerRecord == 2)
        return QStringLiteral("ogni riga deve avere 2 parti separate da una virgola");
    return QStringLiteral("ogni riga deve avere %1 parti separate da virgole").arg(fieldsPerRecord);
}

} // namespace

QString WordListReader::pathOf(const QString& fileName) const {
    return folder_ + QStringLiteral("/testi/") + fileName;
}

WordListResult WordListReader::read(const QString& fileName, int fieldsPerRecord,
                                    int maxRecords) const {
    const QString shown = QStringLiteral("testi/") + fileName;
    const QString path = pathOf(fileName);
    const QFileInfo info(path);
    if (!info.exists())
        return failure(
            QStringLiteral(
                "Non trovo il file %1.\nControlla che la cartella %2 contenga questo file.")
                .arg(shown, QDir::toNativeSeparators(
                                QDir::cleanPath(folder_ + QStringLiteral("/testi")))));
    if (!info.isFile())
        return failure(QStringLiteral("%1 non è un file di testo.").arg(shown));
    if (info.size() > kMaxFileBytes)
        return failure(QStringLiteral("Il file %1 è troppo grande per essere un elenco di parole.")
                           .arg(shown));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(QStringLiteral("Non riesco ad aprire il file %1.").arg(shown));
    // Read in pieces: the file may grow between the size check and the read,
    // and a small list should not cost a buffer of the largest size.
    QByteArray bytes;
    while (!file.atEnd() && bytes.size() <= kMaxFileBytes) {
        const QByteArray piece = file.read(64 * 1024);
        if (piece.isEmpty())
            break;
        bytes += piece;
    }
    file.close();
    if (bytes.size() > kMaxFileBytes)
        return failure(QStringLiteral("Il file %1 è troppo grande per essere un elenco di parole.")
                           .arg(shown));
    return parse(bytes, shown, fieldsPerRecord, maxRecords);
}

WordListResult WordListReader::parse(const QByteArray& bytes, const QString& shownName,
                                     int fieldsPerRecord, int maxRecords) {
    if (!isUtf16WithMark(bytes) && bytes.contains('\0'))
        return failure(QStringLiteral("Il file %1 non è un file di testo.").arg(shownName));
    const QString text = decodeWordListText(bytes);
    FieldScanner scanner(text);
    WordListResult result;
    // The end of the file is looked for only between records.
    while (scanner.hasField()) {
        const int recordLine = scanner.line();
        if (result.records.size() >= maxRecords)
            return failure(QStringLiteral("Il file %1 contiene più di %2 voci (la voce in più "
                                          "comincia alla riga %3).\nQuesto esercizio ne legge "
                                          "al massimo %2.")
                               .arg(shownName)
                               .arg(maxRecords)
                               .arg(recordLine));
        QStringList record;
        record.reserve(fieldsPerRecord);
        for (int field = 0; field < fieldsPerRecord; ++field) {
            if (!scanner.hasField())
                return failure(QStringLiteral("Il file %1 finisce a metà di una voce alla riga "
                                              "%2: %3.")
                                   .arg(shownName)
                                   .arg(recordLine)
                                   .arg(fieldsHint(fieldsPerRecord)));
            const int fieldLine = scanner.line();
            bool unclosedQuote = false;
            record.append(scanner.readField(unclosedQuote));
            if (unclosedQuote)
                return failure(QStringLiteral("Nel file %1 le virgolette aperte alla riga %2 "
                                              "non vengono chiuse.")
                                   .arg(shownName)
                                   .arg(fieldLine));
        }
        result.records.append(record);
    }
    return result;
}

} // namespace vocario
