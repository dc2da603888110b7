#include "listmessages.h"

#include <QDir>
#include <QStringList>

namespace vocario::ListMessages {
namespace {

QString parts(int count) {
    return count == 1 ? QStringLiteral("1 parte") : QStringLiteral("%1 parti").arg(count);
}

constexpr int kLinesNamed = 3;

} // namespace

QString missing(const QString& shown, const QStringList& folders) {
    // Installed, the lists are not beside the program: name where they are.
    QStringList shownFolders;
    for (const QString& folder : folders)
        shownFolders << QDir::toNativeSeparators(QDir::cleanPath(folder));
    return QStringLiteral("Non trovo il file %1.\nControlla che la cartella %2 contenga questo "
                          "file.")
        .arg(shown, shownFolders.join(QStringLiteral(" o la cartella ")));
}

QString notAFile(const QString& shown) {
    return QStringLiteral("%1 non è un file di testo.").arg(shown);
}

QString notText(const QString& shown) {
    return QStringLiteral("Il file %1 non è un file di testo.").arg(shown);
}

QString tooBig(const QString& shown) {
    return QStringLiteral("Il file %1 è troppo grande per essere un elenco di parole.").arg(shown);
}

QString cannotOpen(const QString& shown) {
    return QStringLiteral("Non riesco ad aprire il file %1.").arg(shown);
}

QString tooManyRecords(const QString& shown, int maxRecords, int line) {
    return QStringLiteral("Il file %1 contiene più di %2 voci (la voce in più comincia alla riga "
                          "%3).\nQuesto esercizio ne legge al massimo %2.")
        .arg(shown)
        .arg(maxRecords)
        .arg(line);
}

QString tooFewRecords(const QString& shown, int records, int minimum, const QString& forWhom) {
    const QString has = records == 0   ? QStringLiteral("non contiene nessuna voce")
                        : records == 1 ? QStringLiteral("contiene una sola voce")
                                       : QStringLiteral("contiene solo %1 voci").arg(records);
    const QString needed = minimum == 1 ? QStringLiteral("ne serve almeno una")
                                        : QStringLiteral("ne servono almeno %1").arg(minimum);
    return QStringLiteral("Il file %1 %2: per %3 %4.").arg(shown, has, forWhom, needed);
}

QString unclosedQuote(const QString& shown, int line) {
    return QStringLiteral("Nel file %1 le virgolette aperte alla riga %2 non vengono chiuse.")
        .arg(shown)
        .arg(line);
}

QString cutShort(const QString& shown, int line, int fieldsPerRecord, QChar separator,
                 bool oneFieldPerLine) {
    // With no separator on any line, each line is one part and the lines pair
    // up: an odd line out is all the reader sees, so say where that comes from.
    const QString why =
        oneFieldPerLine
            ? QStringLiteral(" Nessuna riga contiene una virgola o un punto e virgola che "
                             "separi le parti: ogni riga è letta come una parte sola e %1 righe "
                             "di seguito fanno una voce.")
                  .arg(fieldsPerRecord)
            : QString();
    return QStringLiteral("Il file %1 finisce a metà di una voce alla riga %2: %3.%4")
        .arg(shown)
        .arg(line)
        .arg(fieldsHint(fieldsPerRecord, separator), why);
}

QString linesOutOfShape(const QString& shown, const QList<LineFields>& lines, int fieldsPerRecord,
                        QChar separator) {
    return QStringLiteral("Nel file %1 %2: %3, altrimenti le parole delle righe che seguono "
                          "finiscono nella voce sbagliata.")
        .arg(shown, describeLines(lines), fieldsHint(fieldsPerRecord, separator));
}

QString mixedSeparators(const QString& shown, const FieldSeparator& separator) {
    const QChar other = separator.separator == u';' ? u',' : u';';
    return QStringLiteral("Nel file %1 la riga %2 separa le parti con %3 e la riga %4 con %5: "
                          "usa in tutto il file lo stesso separatore, sempre la virgola oppure "
                          "sempre il punto e virgola.")
        .arg(shown)
        .arg(separator.firstLine)
        .arg(separatorName(separator.separator))
        .arg(separator.otherLine)
        .arg(separatorName(other));
}

QString notWholeBlocks(const QString& shown, int records, int block, int firstLeftOver) {
    const int over = records % block;
    const QString mend =
        records < block
            ? QStringLiteral("aggiungine %1").arg(block - over)
            : QStringLiteral("aggiungine %1 oppure togline %2").arg(block - over).arg(over);
    const QString has =
        records == 1 ? QStringLiteral("una sola coppia") : QStringLiteral("%1 coppie").arg(records);
    const QString leftOver =
        over == 1 ? QStringLiteral("l'ultima coppia, alla riga %1, resta").arg(firstLeftOver)
                  : QStringLiteral("le ultime %1 coppie, dalla riga %2, restano")
                        .arg(over)
                        .arg(firstLeftOver);
    return QStringLiteral("Il file %1 contiene %2, ma questo esercizio le mostra a blocchi di %3: "
                          "%4 fuori da un blocco intero. Il numero delle coppie deve essere un "
                          "multiplo di %3 (%5).")
        .arg(shown, has)
        .arg(block)
        .arg(leftOver, mend);
}

QString describeLines(const QList<LineFields>& lines) {
    QStringList said;
    for (qsizetype i = 0; i < lines.size() && i < kLinesNamed; ++i) {
        const LineFields& line = lines[i];
        said << (i == 0 ? QStringLiteral("la riga %1 ha %2").arg(line.line).arg(parts(line.fields))
                        : QStringLiteral("la riga %1 ne ha %2").arg(line.line).arg(line.fields));
    }
    QString text = said.size() > 1 ? said.mid(0, said.size() - 1).join(QStringLiteral(", ")) +
                                         QStringLiteral(" e ") + said.last()
                                   : said.value(0);
    if (lines.size() > kLinesNamed)
        text += QStringLiteral(" (e altre %1 righe)").arg(lines.size() - kLinesNamed);
    return text;
}

QString fieldsHint(int fieldsPerRecord, QChar separator) {
    const bool semicolon = separator == u';';
    if (fieldsPerRecord == 2)
        return semicolon ? QStringLiteral("ogni riga deve avere 2 parti separate da un punto e "
                                          "virgola")
                         : QStringLiteral("ogni riga deve avere 2 parti separate da una virgola");
    return QStringLiteral("ogni riga deve avere %1 parti separate da %2")
        .arg(fieldsPerRecord)
        .arg(semicolon ? QStringLiteral("punti e virgola") : QStringLiteral("virgole"));
}

} // namespace vocario::ListMessages
