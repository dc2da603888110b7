#include "fieldscanner.h"

namespace vocario {
namespace {

// A tab is a blank unless it separates the parts.
bool isBlank(QChar c, QChar separator) {
    return (c == u' ' || c == u'\t') && c != separator;
}

bool isLineEnd(QChar c) {
    return c == u'\n' || c == u'\r';
}

// Line ends inside a quoted field, counted like those between fields: CR LF is
// one, a lone CR or LF is one.
int lineEndsIn(QStringView text) {
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n' ||
            (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n')))
            ++count;
    }
    return count;
}

// "sep=;" as the first line: the separator a spreadsheet was told to use.
qsizetype separatorLineLength(QStringView text, QChar& separator) {
    static const QString kPrefix = QStringLiteral("sep=");
    if (text.size() < kPrefix.size() + 1 || !text.startsWith(kPrefix, Qt::CaseInsensitive))
        return 0;
    const QChar named = text[kPrefix.size()];
    if (named != u',' && named != u';')
        return 0;
    qsizetype end = kPrefix.size() + 1;
    while (end < text.size() && isBlank(text[end], u','))
        ++end;
    if (end < text.size() && !isLineEnd(text[end]))
        return 0;
    separator = named;
    return end;
}

} // namespace

FieldScanner::FieldScanner(QStringView text, bool tabulazioni) : text_(text) {
    QChar named;
    pos_ = separatorLineLength(text_, named);
    if (pos_ > 0)
        separator_.separator = named;
    else
        separator_ = detectFieldSeparator(text_, 1, tabulazioni);
}

bool FieldScanner::atLineEnd() const {
    return pos_ < text_.size() && isLineEnd(text_[pos_]);
}

// A row of empty cells: nothing but separators and blanks up to the line end.
bool FieldScanner::atEmptyRow() const {
    if (pos_ >= text_.size() || text_[pos_] != separator_.separator)
        return false;
    qsizetype i = pos_;
    while (i < text_.size() &&
           (text_[i] == separator_.separator || isBlank(text_[i], separator_.separator)))
        ++i;
    return i == text_.size() || isLineEnd(text_[i]);
}

void FieldScanner::consumeLineEnd() {
    if (text_[pos_] == u'\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == u'\n')
        ++pos_;
    ++pos_;
    ++line_;
}

bool FieldScanner::hasField() {
    for (;;) {
        while (pos_ < text_.size() && isBlank(text_[pos_], separator_.separator))
            ++pos_;
        // A comma promises one more field, even an empty one at a line end.
        if (afterComma_)
            return true;
        if (atEmptyRow()) {
            while (pos_ < text_.size() && !atLineEnd())
                ++pos_;
        }
        if (pos_ >= text_.size())
            return false;
        if (!atLineEnd())
            return true;
        consumeLineEnd(); // a blank line
    }
}

void FieldScanner::consumeSeparator() {
    afterComma_ = false;
    if (pos_ >= text_.size())
        return;
    if (text_[pos_] == separator_.separator) {
        ++pos_;
        afterComma_ = true;
    } else {
        consumeLineEnd();
    }
}

QString FieldScanner::readQuotedField(bool& unclosedQuote) {
    QString field;
    qsizetype from = pos_ + 1;
    for (;;) {
        const qsizetype quote = text_.indexOf(u'"', from);
        if (quote < 0) {
            unclosedQuote = true;
            field += text_.sliced(from);
            pos_ = text_.size();
            break;
        }
        field += text_.sliced(from, quote - from);
        // Two quotes in a row inside quotes are one quote of the text.
        if (quote + 1 < text_.size() && text_[quote + 1] == u'"') {
            field += u'"';
            from = quote + 2;
            continue;
        }
        pos_ = quote + 1;
        break;
    }
    line_ += lineEndsIn(field);
    while (pos_ < text_.size() && text_[pos_] != separator_.separator && !atLineEnd())
        ++pos_;
    consumeSeparator();
    return field;
}

QString FieldScanner::readField(bool& unclosedQuote) {
    unclosedQuote = false;
    if (pos_ < text_.size() && text_[pos_] == u'"')
        return readQuotedField(unclosedQuote);
    const qsizetype start = pos_;
    while (pos_ < text_.size() && text_[pos_] != separator_.separator && !atLineEnd())
        ++pos_;
    qsizetype end = pos_;
    while (end > start && isBlank(text_[end - 1], separator_.separator))
        --end;
    const QString field = text_.sliced(start, end - start).toString();
    consumeSeparator();
    return field;
}

} // namespace vocario
