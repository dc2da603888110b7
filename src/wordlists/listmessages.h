#pragma once

#include "fieldseparator.h"
#include "recordshape.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace vocario {

/// What the reader tells a teacher about a list it cannot use, in Italian.
/// `shown` is the file as messages name it ("testi/contrari.txt").
namespace ListMessages {

/// `folders`: where it was looked for, in order.
QString missing(const QString& shown, const QStringList& folders);
QString notAFile(const QString& shown);
QString notText(const QString& shown);
QString tooBig(const QString& shown);
QString cannotOpen(const QString& shown);
QString tooManyRecords(const QString& shown, int maxRecords, int line);
/// Fewer records than `minimum`, the fewest with which `forWhom` ("questo
/// esercizio", "«abbina gradi» e «gradi»") deals an item.
QString tooFewRecords(const QString& shown, int records, int minimum, const QString& forWhom);
QString unclosedQuote(const QString& shown, int line);
/// `oneFieldPerLine`: no line has a separator, so lines are read together.
QString cutShort(const QString& shown, int line, int fieldsPerRecord, QChar separator,
                 bool oneFieldPerLine);
/// Lines whose fields mix up the records after them.
QString linesOutOfShape(const QString& shown, const QList<LineFields>& lines, int fieldsPerRecord,
                        QChar separator = u',');
/// Some lines separate their parts with commas, others with semicolons.
QString mixedSeparators(const QString& shown, const FieldSeparator& separator);
/// `firstLeftOver`: the line of the first record after the last whole block.
QString notWholeBlocks(const QString& shown, int records, int block, int firstLeftOver);

/// "la riga 3 ha 3 parti e la riga 8 ne ha 1" (at most the first three).
QString describeLines(const QList<LineFields>& lines);
/// "ogni riga deve avere 2 parti separate da una virgola"
QString fieldsHint(int fieldsPerRecord, QChar separator = u',');

} // namespace ListMessages
} // namespace vocario
