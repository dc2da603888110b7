#include "recordshape.h"

namespace vocario {
namespace {

QList<LineFields> fieldsPerLine(const QList<int>& fieldLines) {
    QList<LineFields> lines;
    for (int line : fieldLines) {
        if (lines.isEmpty() || lines.last().line != line)
            lines.append({line, 0});
        ++lines.last().fields;
    }
    return lines;
}

// Within a stretch whose first line starts a record: does a record start
// inside a line and end on a later one? `lineStarts` holds the field count
// before each line of the stretch, in order; `total` is the stretch's count.
bool startsInsideAndRunsOn(const QList<int>& lineStarts, int total, int fieldsPerRecord) {
    qsizetype next = 0; // the first line start at or after the record's start
    for (int start = 0; start < total; start += fieldsPerRecord) {
        while (next < lineStarts.size() && lineStarts[next] < start)
            ++next;
        if (next == lineStarts.size())
            return false;
        if (lineStarts[next] != start && lineStarts[next] < start + fieldsPerRecord)
            return true;
    }
    return false;
}

} // namespace

QList<ShapeBreak> findShapeBreaks(const QList<int>& fieldLines, int fieldsPerRecord) {
    const QList<LineFields> lines = fieldsPerLine(fieldLines);
    QList<ShapeBreak> breaks;
    qsizetype i = 0;
    while (i < lines.size()) {
        if (lines[i].fields % fieldsPerRecord == 0) {
            if (lines[i].fields > fieldsPerRecord)
                breaks.append(ShapeBreak{.lines = {lines[i]}});
            ++i;
            continue;
        }
        // Take lines until the fields make whole records again.
        QList<int> lineStarts;
        int total = 0;
        qsizetype j = i;
        do {
            lineStarts.append(total);
            total += lines[j].fields;
            ++j;
        } while (total % fieldsPerRecord != 0 && j < lines.size());
        ShapeBreak stretch;
        for (qsizetype k = i; k < j; ++k)
            if (lines[k].fields % fieldsPerRecord != 0)
                stretch.lines.append(lines[k]);
        stretch.cutShort = total % fieldsPerRecord != 0;
        stretch.shifted = startsInsideAndRunsOn(lineStarts, total, fieldsPerRecord);
        breaks.append(stretch);
        i = j;
    }
    return breaks;
}

} // namespace vocario
