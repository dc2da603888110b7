#pragma once

#include "fieldseparator.h"
#include "textdecoding.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace vocario {

/// A word-list file split into its fields, before they are grouped into
/// records: what the reader and the checker of the lists both start from.
struct WordListScan {
    /// NUL characters: a picture, a document, not a list.
    bool notText = false;
    QList<QString> fields;
    /// The line (from 1) on which each field starts.
    QList<int> fieldLines;
    /// Line of a quote that is never closed; 0 when every quote is closed.
    int unclosedQuoteLine = 0;
    /// The separator read with, and the first line that mixes in another.
    FieldSeparator separator;
    /// Lines that ended with empty parts beyond their last record, dropped.
    QList<int> trailingEmptyLines;
    /// Which lines were read in which encoding.
    QList<int> windows1252Lines;
    int utf8Lines = 0;
};

/// Decodes and splits a whole file; an unclosed quote ends the scan. Empty
/// parts at the end of a line beyond a whole number of `fieldsPerRecord`
/// (`alto, basso,`: an empty column of a spreadsheet) are dropped.
/// `tabulazioni`: tabs may separate the parts (a class list), see
/// detectFieldSeparator.
WordListScan scanWordList(const QByteArray& bytes, int fieldsPerRecord, bool tabulazioni = false);

} // namespace vocario
