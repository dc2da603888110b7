#include "textdecoding.h"

#include <QByteArrayView>
#include <QStringDecoder>

namespace vocario {
namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; unassigned bytes map
// to the replacement character.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

void appendCp1252(QString& text, QByteArrayView bytes) {
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte <= 0x9F)
            text.append(QChar(kCp1252High[byte - 0x80]));
        else
            text.append(QChar(byte));
    }
}

bool isAscii(QByteArrayView bytes) {
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

bool hasLoneSurrogate(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            return true;
    }
    return false;
}

} // namespace

bool isUtf16WithMark(const QByteArray& bytes) {
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

DecodedText decodeWordListLines(const QByteArray& bytes) {
    DecodedText decoded;
    if (isUtf16WithMark(bytes)) {
        QStringDecoder utf16(QStringDecoder::Utf16);
        decoded.text = utf16.decode(bytes);
        decoded.brokenUtf16 = utf16.hasError() || hasLoneSurrogate(decoded.text);
        return decoded;
    }
    QByteArrayView rest(bytes);
    if (rest.startsWith("\xEF\xBB\xBF"))
        rest = rest.sliced(3);
    decoded.text.reserve(rest.size());
    // UTF-8 never uses the bytes of CR and LF inside a character, so a line
    // ends at the same byte whatever its encoding. Line numbers are counted
    // as everywhere else: CR LF is one line end, a lone CR or LF is one.
    int line = 1;
    qsizetype start = 0;
    while (start <= rest.size()) {
        qsizetype end = start;
        while (end < rest.size() && rest[end] != '\n' && rest[end] != '\r')
            ++end;
        const QByteArrayView content = rest.sliced(start, end - start);
        if (isAscii(content)) {
            decoded.text.append(QLatin1StringView(content));
        } else if (content.isValidUtf8()) {
            // A mark inside the file is a character of its line, not a mark.
            QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
            decoded.text.append(utf8.decode(content));
            ++decoded.utf8Lines;
        } else {
            appendCp1252(decoded.text, content);
            decoded.windows1252Lines.append(line);
        }
        if (end == rest.size())
            break;
        qsizetype next = end + 1;
        if (rest[end] == '\r' && next < rest.size() && rest[next] == '\n')
            ++next;
        decoded.text.append(QLatin1StringView(rest.sliced(end, next - end)));
        ++line;
        start = next;
    }
    return decoded;
}

QString decodeWordListText(const QByteArray& bytes) {
    return decodeWordListLines(bytes).text;
}

} // namespace vocario
