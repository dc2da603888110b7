#include "fieldscanner.h"

namespace vocario {
namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
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

} // namespace

bool FieldScanner::atLineEnd() const {
    return pos_ < text_.size() && (text_[pos_] == u'\n' || text_[pos_] == u'\r');
}

void FieldScanner::consumeLineEnd() {
    if (text_[pos_] == u'\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == u'\n')
        ++pos_;
    ++pos_;
    ++line_;
}

bool FieldScanner::hasField() {
    for (;;) {
        while (pos_ < text_.size() && isBlank(text_[pos_]))
            ++pos_;
        // A comma promises one more field, even an empty one at a line end.
        if (afterComma_)
            return true;
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
    if (text_[pos_] == u',') {
        ++pos_;
        afterComma_ = true;
    } else {
        consumeLineEnd();
    }
}

QString FieldScanner::readField(bool& unclosedQuote) {
    unclosedQuote = false;
    if (pos_ < text_.size() && text_[pos_] == u'"') {
        const qsizetype start = pos_ + 1;
        qsizetype close = text_.indexOf(u'"', start);
        if (close < 0) {
            unclosedQuote = true;
            close = text_.size();
        }
        const QStringView field = text_.sliced(start, close - start);
        line_ += lineEndsIn(field);
        pos_ = qMin(close + 1, text_.size());
        while (pos_ < text_.size() && text_[pos_] != u',' && !atLineEnd())
            ++pos_;
        consumeSeparator();
        return field.toString();
    }
    const qsizetype start = pos_;
    while (pos_ < text_.size() && text_[pos_] != u',' && !atLineEnd())
        ++pos_;
    qsizetype end = pos_;
    while (end > start && isBlank(text_[end - 1]))
        --end;
    const QString field = text_.sliced(start, end - start).toString();
    consumeSeparator();
    return field;
}

} // namespace vocario
