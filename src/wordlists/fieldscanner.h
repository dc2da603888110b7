#pragma once

#include "fieldseparator.h"

#include <QString>
#include <QStringView>

namespace vocario {

/// Splits word-list text into fields: a comma or a line end ends a field,
/// blanks before a field are skipped, a double-quoted field may hold commas
/// and line ends, and two double quotes inside it stand for one, as
/// spreadsheets write them. Blank lines and lines of bare commas (a
/// spreadsheet's empty rows) are skipped; a first line "sep=;" or "sep=,"
/// (a spreadsheet's separator line) names the separator and holds no field;
/// without one, lines that separate with semicolons are read with semicolons
/// (see detectFieldSeparator).
/// CR LF, LF and CR all end a line, trailing blanks of an unquoted field are
/// dropped, text after a closing quote is ignored.
class FieldScanner {
  public:
    /// `tabulazioni`: tabs may separate (see detectFieldSeparator).
    explicit FieldScanner(QStringView text, bool tabulazioni = false);

    /// Moves to the start of the next field; false when the text is exhausted.
    bool hasField();
    /// Reads the field that hasField() found. Sets unclosedQuote when a quoted
    /// field never ends; the field then runs to the end of the text.
    QString readField(bool& unclosedQuote);
    /// Line (from 1) at the scanner's position.
    int line() const { return line_; }
    /// The separator the scanner reads with, and which lines mix another.
    const FieldSeparator& separator() const { return separator_; }

  private:
    bool atLineEnd() const;
    bool atEmptyRow() const;
    void consumeLineEnd();
    void consumeSeparator();
    QString readQuotedField(bool& unclosedQuote);

    QStringView text_;
    qsizetype pos_ = 0;
    int line_ = 1;
    FieldSeparator separator_;
    bool afterComma_ = false;
};

} // namespace vocario
