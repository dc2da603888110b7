#pragma once

#include <QList>

namespace vocario {

/// A line whose number of fields is not one record's.
struct LineFields {
    int line;
    int fields;
};

/// Lines that together break the one-record-per-line shape of a list: from a
/// line whose fields are not a whole number of records to the line where the
/// records start at a line start again (or the end of the file).
struct ShapeBreak {
    /// The lines of the stretch whose field count is not a multiple of the
    /// record size (or, for a line of several records, that line).
    QList<LineFields> lines;
    /// A record starts inside a line and runs on to the next one: the words
    /// of the records that follow sit in the wrong places.
    bool shifted = false;
    /// The file ends inside the stretch's last record.
    bool cutShort = false;
    /// Neither: one record written over several lines, or several records on
    /// one line; read right, only harder to keep in order.
    bool harmless() const { return !shifted && !cutShort; }
};

/// Every stretch of `fieldLines` (the line of each field, in order) that does
/// not hold one record of `fieldsPerRecord` fields per line.
QList<ShapeBreak> findShapeBreaks(const QList<int>& fieldLines, int fieldsPerRecord);

} // namespace vocario
