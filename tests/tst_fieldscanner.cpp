#include "wordlists/fieldscanner.h"
#include "wordlists/wordlistreader.h"

#include <QtTest>

using namespace vocario;

// Line numbers the teacher is told must not depend on how the file's lines
// end: Windows (CR LF), Unix (LF) or old Mac (CR), even inside quoted fields.
class FieldScannerTest : public QObject {
    Q_OBJECT
  private slots:
    void namesTheSameLineWhateverTheLineEnds_data();
    void namesTheSameLineWhateverTheLineEnds();
    void countsLinesInsideQuotedFields();
};

namespace {

QByteArray withLineEnd(QByteArray text, const QByteArray& lineEnd) {
    return text.replace("\n", lineEnd);
}

} // namespace

void FieldScannerTest::namesTheSameLineWhateverTheLineEnds_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("expectedPart");

    const QByteArray endings[] = {"\n", "\r\n", "\r"};
    const char* names[] = {"LF", "CR LF", "CR"};
    for (int e = 0; e < 3; ++e) {
        const QByteArray& end = endings[e];
        QTest::addRow("record cut short after a two-line quoted field, %s", names[e])
            << withLineEnd("\"prima\nseconda\", fine\nalto, basso\ncaldo\n", end) << 500
            << QStringLiteral("a metà di una voce alla riga 4");
        QTest::addRow("unclosed quote after a quoted line end, %s", names[e])
            << withLineEnd("\"a\n\", b\n\nc, \"d\n", end) << 500
            << QStringLiteral("virgolette aperte alla riga 4");
        QTest::addRow("record over the limit after quoted line ends, %s", names[e])
            << withLineEnd("\"a\n\n\", b\nc, d\n", end) << 1
            << QStringLiteral("comincia alla riga 4");
    }
    // A CR just before the closing quote and the LF just after it are two line
    // ends, not one CR LF.
    QTest::newRow("CR and LF split by a quote")
        << QByteArray("\"a\r\", b\nc\n") << 500 << QStringLiteral("alla riga 3");
}

void FieldScannerTest::namesTheSameLineWhateverTheLineEnds() {
    QFETCH(QByteArray, text);
    QFETCH(int, limit);
    QFETCH(QString, expectedPart);
    const WordListResult result =
        WordListReader::parse(text, QStringLiteral("testi/contrari.txt"), 2, limit);
    QVERIFY(!result.ok);
    QVERIFY2(result.error.contains(expectedPart), qPrintable(result.error));
}

void FieldScannerTest::countsLinesInsideQuotedFields() {
    const QString text = QStringLiteral("\"uno\r\ndue\rtre\nquattro\", cinque\rsei");
    FieldScanner scanner(text);
    bool unclosed = false;
    QVERIFY(scanner.hasField());
    QCOMPARE(scanner.readField(unclosed), QStringLiteral("uno\r\ndue\rtre\nquattro"));
    QVERIFY(!unclosed);
    QCOMPARE(scanner.line(), 4);
    QVERIFY(scanner.hasField());
    QCOMPARE(scanner.readField(unclosed), QStringLiteral("cinque"));
    QCOMPARE(scanner.line(), 5);
}

QTEST_MAIN(FieldScannerTest)
#include "tst_fieldscanner.moc"
