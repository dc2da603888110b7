#include "testenvironment.h"

#include "core/appstate.h"
#include "wordlists/wordlistfiles.h"
#include "wordlists/wordlistscan.h"

#include <QtTest>

using namespace vocario;
using namespace vocario::testing;

class WordListReaderTest : public QObject {
    Q_OBJECT
  private slots:
    void readsRecordsByTheFileRules_data();
    void readsRecordsByTheFileRules();
    void refusesBrokenListsNamingTheLine_data();
    void refusesBrokenListsNamingTheLine();
    void decodesUtf8AndWindows1252Alike();
    void decidesTheEncodingLineByLine();
    void fillsExactlyTheLimitAndRefusesOneMore();
    void missingFileIsReportedWithItsName();
    void binaryAndHugeFilesAreRefused();
    void twoFieldReaderKeepsIndexZeroAndOlderEntriesAboveTheCount();
    void failedReadLeavesTablesAndCountUntouched();
    void tableReaderFillsFromTheGivenColumn();
};

namespace {

QList<QStringList> parse(const QByteArray& text, int fields, int limit = 500) {
    const WordListResult result =
        WordListReader::parse(text, QStringLiteral("testi/x.txt"), fields, limit);
    if (!result.ok)
        qWarning("unexpected error: %s", qPrintable(result.error));
    return result.ok ? result.records : QList<QStringList>{{QStringLiteral("<error>")}};
}

} // namespace

void WordListReaderTest::readsRecordsByTheFileRules_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("fields");
    QTest::addColumn<QList<QStringList>>("expected");

    using L = QList<QStringList>;
    QTest::newRow("one record per line") << QByteArray("alto, basso\naperto, chiuso\n") << 2
                                         << L{{"alto", "basso"}, {"aperto", "chiuso"}};
    QTest::newRow("four words on one line give two records")
        << QByteArray("alto,basso,aperto,chiuso") << 2
        << L{{"alto", "basso"}, {"aperto", "chiuso"}};
    QTest::newRow("fields grouped across line breaks")
        << QByteArray("frutta\nmela, pera\narancia") << 4
        << L{{"frutta", "mela", "pera", "arancia"}};
    QTest::newRow("quoted field keeps comma and blank, loses quotes")
        << QByteArray("\"avere fame, molta\", mangiare") << 2
        << L{{"avere fame, molta", "mangiare"}};
    QTest::newRow("phrase with blanks is one field")
        << QByteArray("essere al verde, non avere soldi") << 2
        << L{{"essere al verde", "non avere soldi"}};
    QTest::newRow("blanks before and after a field dropped")
        << QByteArray("   alto  ,\t basso \t\n") << 2 << L{{"alto", "basso"}};
    QTest::newRow("blank lines skipped") << QByteArray("\n\nalto, basso\n\n  \nbello, brutto\n\n")
                                         << 2 << L{{"alto", "basso"}, {"bello", "brutto"}};
    QTest::newRow("CR LF line ends") << QByteArray("alto, basso\r\nbello, brutto\r\n") << 2
                                     << L{{"alto", "basso"}, {"bello", "brutto"}};
    QTest::newRow("no final line end") << QByteArray("alto, basso") << 2 << L{{"alto", "basso"}};
    QTest::newRow("quote inside an unquoted field is text")
        << QByteArray("c'era un \"re\", basso") << 2 << L{{"c'era un \"re\"", "basso"}};
    QTest::newRow("text after a closing quote ignored")
        << QByteArray("\"alto\" xyz, basso") << 2 << L{{"alto", "basso"}};
    QTest::newRow("empty field between commas")
        << QByteArray("a,,b,c") << 2 << L{{"a", ""}, {"b", "c"}};
    // As LibreOffice Calc and other spreadsheets save a sheet as CSV.
    QTest::newRow("spreadsheet: doubled quote inside quotes is one quote")
        << QByteArray("\"c'era un \"\"re\"\", ma\",regina\n\"\"\"sì\"\"\",no\n") << 2
        << L{{"c'era un \"re\", ma", "regina"}, {"\"sì\"", "no"}};
    QTest::newRow("spreadsheet: every field quoted, CR LF, empty rows")
        << QByteArray("\"alto\",\"basso\"\r\n,\r\n\"in bocca al lupo\",\"\"\r\n, ,\r\n") << 2
        << L{{"alto", "basso"}, {"in bocca al lupo", ""}};
    QTest::newRow("spreadsheet: separator line names the semicolon")
        << QByteArray("sep=;\nalto;basso, molto\n\"a;b\";c\n") << 2
        << L{{"alto", "basso, molto"}, {"a;b", "c"}};
    // Italian settings: semicolons, no separator line; commas are then text.
    QTest::newRow("spreadsheet in Italian: semicolons, every field quoted, CR LF")
        << QByteArray("\"tiepido\";\"bollente\"\r\n\"a, b\";\"c;d\"\r\n;\r\n") << 2
        << L{{"tiepido", "bollente"}, {"a, b", "c;d"}};
    QTest::newRow("spreadsheet in Italian: a comma between doubled quotes is text")
        << QByteArray("\"il \"\"re\"\", ma\";\"regina\"\r\n") << 2
        << L{{"il \"re\", ma", "regina"}};
    QTest::newRow("spreadsheet in Italian: commas unquoted in the text")
        << QByteArray("sfavillante;che brilla, molto\r\nalto;basso\r\n") << 2
        << L{{"sfavillante", "che brilla, molto"}, {"alto", "basso"}};
    QTest::newRow("both on every line: the one as many times on each separates")
        << QByteArray("Era buio, tardi;buio;notte\nSì, no;sì;forse, mai, ora\n") << 3
        << L{{"Era buio, tardi", "buio", "notte"}, {"Sì, no", "sì", "forse, mai, ora"}};
    QTest::newRow("commas, a semicolon in one text: read with commas as always")
        << QByteArray("alto, basso\nEra tardi; andai, via\n") << 2
        << L{{"alto", "basso"}, {"Era tardi; andai", "via"}};
    QTest::newRow("stray separators at line ends: a spreadsheet's empty columns")
        << QByteArray("alto, basso,\nbello, brutto, ,\ncaldo,freddo,aperto,chiuso,\n") << 2
        << L{{"alto", "basso"}, {"bello", "brutto"}, {"caldo", "freddo"}, {"aperto", "chiuso"}};
    QTest::newRow("an empty last part of a whole record is kept")
        << QByteArray("frutta;mela;pera;\r\nfiori;rosa;;\r\n") << 4
        << L{{"frutta", "mela", "pera", ""}, {"fiori", "rosa", "", ""}};
    QTest::newRow("a line sep= later in the file is a field")
        << QByteArray("alto, basso\nsep=, x\n") << 2 << L{{"alto", "basso"}, {"sep=", "x"}};
    QTest::newRow("empty file") << QByteArray("") << 2 << L{};
    QTest::newRow("only blank lines") << QByteArray("\n \r\n\t\n") << 2 << L{};
}

void WordListReaderTest::readsRecordsByTheFileRules() {
    QFETCH(QByteArray, text);
    QFETCH(int, fields);
    QFETCH(QList<QStringList>, expected);
    QCOMPARE(parse(text, fields), expected);
}

void WordListReaderTest::refusesBrokenListsNamingTheLine_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("fields");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("expectedPart");

    QTest::newRow("odd number of fields stops at the last record")
        << QByteArray("alto, basso\nbello, brutto\ncaldo\n") << 2 << 500
        << QStringLiteral("finisce a metà di una voce alla riga 3");
    QTest::newRow("one word per line, odd count: says why")
        << QByteArray("tiepido\r\nbollente\r\nfresco\r\n") << 2 << 500
        << QStringLiteral("riga 3: ogni riga deve avere 2 parti separate da una virgola. Nessuna "
                          "riga contiene una virgola o un punto e virgola");
    QTest::newRow("semicolons and commas mixed: named at the first line that differs")
        << QByteArray("\"a\";\"b\"\r\n\r\n\"c\";\"d\"\r\ne, f\r\ng;h\r\n") << 2 << 500
        << QStringLiteral("la riga 1 separa le parti con il punto e virgola (;) e la riga 4 con "
                          "la virgola (,)");
    QTest::newRow("semicolons, a part too many: the hint names the semicolon")
        << QByteArray("a;b;c\nd;e\n") << 2 << 500
        << QStringLiteral("la riga 1 ha 3 parti: ogni riga deve avere 2 parti separate da un "
                          "punto e virgola");
    QTest::newRow("four-field record cut short")
        << QByteArray("frutta, mela, pera, arancia\n\nfiori, rosa, viola\n") << 4 << 100
        << QStringLiteral("alla riga 3: ogni riga deve avere 4 parti");
    QTest::newRow("one record over the limit")
        << QByteArray("a,b\nc,d\ne,f\n") << 2 << 2 << QStringLiteral("più di 2 voci");
    QTest::newRow("unclosed quote") << QByteArray("alto, basso\n\"bello, brutto\n") << 2 << 500
                                    << QStringLiteral("virgolette aperte alla riga 2");
    // A line with a part too many or too few shifts the records after it:
    // the message names that line, not where the file ran out.
    const QByteArray twelve = "a1,b1\na2,b2\na3,b3\na4,b4\na5,b5\na6,b6\na7,b7\n"
                              "a8,b8\na9,b9\na10,b10\na11,b11\na12,b12\n";
    QTest::newRow("a part too many on line 3")
        << QByteArray(twelve).replace("a3,b3", "a3,b3,c3") << 2 << 500
        << QStringLiteral("la riga 3 ha 3 parti: ogni riga deve avere 2 parti");
    QTest::newRow("a part too many on line 3, one too few on line 8")
        << QByteArray(twelve).replace("a3,b3", "a3,b3,c3").replace("a8,b8", "a8") << 2 << 500
        << QStringLiteral("la riga 3 ha 3 parti e la riga 8 ne ha 1");
    QTest::newRow("a part too few on line 1 of four-part records")
        << QByteArray("frutta, mela, pera\nfiori, rosa, viola, giglio\nanimali, cane, gatto, "
                      "topo\n")
        << 4 << 100 << QStringLiteral("la riga 1 ha 3 parti: ogni riga deve avere 4 parti");
}

void WordListReaderTest::refusesBrokenListsNamingTheLine() {
    QFETCH(QByteArray, text);
    QFETCH(int, fields);
    QFETCH(int, limit);
    QFETCH(QString, expectedPart);
    const WordListResult result =
        WordListReader::parse(text, QStringLiteral("testi/contrari.txt"), fields, limit);
    QVERIFY(!result.ok);
    QVERIFY2(result.error.contains(expectedPart), qPrintable(result.error));
    QVERIFY(result.error.contains(QStringLiteral("testi/contrari.txt")));
}

void WordListReaderTest::decodesUtf8AndWindows1252Alike() {
    const QString words = QStringLiteral("città, perché\npiù, così");
    const QList<QStringList> expected{{QStringLiteral("città"), QStringLiteral("perché")},
                                      {QStringLiteral("più"), QStringLiteral("così")}};
    QCOMPARE(parse(words.toUtf8(), 2), expected);
    QCOMPARE(parse("\xEF\xBB\xBF" + words.toUtf8(), 2), expected);
    QCOMPARE(parse(words.toLatin1(), 2), expected);
    // Notepad's "Unicode": UTF-16 with a byte-order mark, NUL bytes and all.
    QByteArray utf16("\xFF\xFE");
    for (QChar c : words)
        utf16 += char(c.unicode() & 0xFF), utf16 += char(c.unicode() >> 8);
    QCOMPARE(parse(utf16, 2), expected);
    // Bytes that only Windows-1252 gives meaning: the euro sign and curly quotes.
    QCOMPARE(parse(QByteArray("\x80, \x93x\x94"), 2),
             (QList<QStringList>{{QStringLiteral("€"), QStringLiteral("“x”")}}));
}

// A line pasted from a list in another encoding keeps its accents, and
// spoils none of the others: each line is decoded on its own.
void WordListReaderTest::decidesTheEncodingLineByLine() {
    const QByteArray utf8 = QStringLiteral("verità, bugia\nsì, no\n").toUtf8();
    const QByteArray pasted = QStringLiteral("città, campagna\n").toLatin1();
    const QList<QStringList> expected{{QStringLiteral("verità"), QStringLiteral("bugia")},
                                      {QStringLiteral("sì"), QStringLiteral("no")},
                                      {QStringLiteral("città"), QStringLiteral("campagna")}};
    QCOMPARE(parse(utf8 + pasted, 2), expected);
    QCOMPARE(parse("\xEF\xBB\xBF" + utf8 + pasted.chopped(1) + "\r\n", 2), expected);
    const WordListScan scan = scanWordList(utf8 + QByteArray("\r\n") + pasted + pasted, 2);
    QCOMPARE(scan.windows1252Lines, (QList<int>{4, 5}));
    QCOMPARE(scan.utf8Lines, 2);
}

void WordListReaderTest::fillsExactlyTheLimitAndRefusesOneMore() {
    TestEnvironment env;
    WordTables tavole;
    QByteArray list;
    for (int n = 1; n <= 500; ++n)
        list += QStringLiteral("parola%1, contraria%1\n").arg(n).toUtf8();
    env.writeListBytes(WordListFile::Contrari, list);
    const WordListReader reader(env.folder());
    WordListResult result = leggiDueCampi(reader, WordListFile::Contrari, tavole.Parole1,
                                          tavole.Parole2, tavole.NumeroParole);
    QVERIFY(result.ok);
    QCOMPARE(tavole.NumeroParole, qint16(500));
    QCOMPARE(tavole.Parole1[1], QStringLiteral("parola1"));
    QCOMPARE(tavole.Parole2[500], QStringLiteral("contraria500"));

    env.writeListBytes(WordListFile::Contrari, list + "in, più\n");
    result = leggiDueCampi(reader, WordListFile::Contrari, tavole.Parole1, tavole.Parole2,
                           tavole.NumeroParole);
    QVERIFY(!result.ok);
    QVERIFY2(result.error.contains(QStringLiteral("più di 500 voci")), qPrintable(result.error));
    QVERIFY(result.error.contains(QStringLiteral("riga 501")));

    // The synonym list of Form2 stops at 200.
    env.writeListBytes(WordListFile::Sinonimi, list);
    TextTable<201, 3> sinonimi;
    qint16 count = 0;
    result = leggiTabella(reader, WordListFile::Sinonimi, 2, 1, sinonimi, count);
    QVERIFY(!result.ok);
    QVERIFY(result.error.contains(QStringLiteral("più di 200 voci")));
}

void WordListReaderTest::missingFileIsReportedWithItsName() {
    TestEnvironment env;
    const WordListResult result = WordListReader(env.folder()).read(WordListFile::Gradi, 2, 500);
    QVERIFY(!result.ok);
    QVERIFY2(result.error.contains(QStringLiteral("Non trovo il file testi/gradi.txt")),
             qPrintable(result.error));
    // Installed, the lists are not beside the program: the folder is named.
    QVERIFY2(result.error.contains(QDir::cleanPath(env.folder() + QStringLiteral("/testi"))),
             qPrintable(result.error));
}

void WordListReaderTest::binaryAndHugeFilesAreRefused() {
    TestEnvironment env;
    env.writeListBytes(WordListFile::Aree1, QByteArray("mela\0pera", 9));
    WordListResult result = WordListReader(env.folder()).read(WordListFile::Aree1, 4, 100);
    QVERIFY(!result.ok);
    QVERIFY(result.error.contains(QStringLiteral("non è un file di testo")));

    env.writeListBytes(WordListFile::Aree1,
                       QByteArray(int(WordListReader::kMaxFileBytes) + 10, 'a'));
    result = WordListReader(env.folder()).read(WordListFile::Aree1, 4, 100);
    QVERIFY(!result.ok);
    QVERIFY(result.error.contains(QStringLiteral("troppo grande")));
}

void WordListReaderTest::twoFieldReaderKeepsIndexZeroAndOlderEntriesAboveTheCount() {
    TestEnvironment env;
    WordTables tavole;
    const WordListReader reader(env.folder());
    env.writeList(WordListFile::Contrari,
                  QStringLiteral("alto, basso\nbello, brutto\ncaldo, freddo\n"));
    env.writeList(WordListFile::Gradi, QStringLiteral("tiepido, bollente\n"));
    QVERIFY(leggiDueCampi(reader, WordListFile::Contrari, tavole.Parole1, tavole.Parole2,
                          tavole.NumeroParole)
                .ok);
    QVERIFY(leggiDueCampi(reader, WordListFile::Gradi, tavole.Parole1, tavole.Parole2,
                          tavole.NumeroParole)
                .ok);
    QCOMPARE(tavole.NumeroParole, qint16(1));
    QCOMPARE(tavole.Parole1[0], QString());
    QCOMPARE(tavole.Parole1[1], QStringLiteral("tiepido"));
    QCOMPARE(tavole.Parole2[1], QStringLiteral("bollente"));
    QCOMPARE(tavole.Parole1[3], QStringLiteral("caldo"));
    QCOMPARE(tavole.Parole2[2], QStringLiteral("brutto"));
}

void WordListReaderTest::failedReadLeavesTablesAndCountUntouched() {
    TestEnvironment env;
    WordTables tavole;
    const WordListReader reader(env.folder());
    env.writeList(WordListFile::Contrari, QStringLiteral("alto, basso\n"));
    QVERIFY(leggiDueCampi(reader, WordListFile::Contrari, tavole.Parole1, tavole.Parole2,
                          tavole.NumeroParole)
                .ok);
    env.writeList(WordListFile::Contrari, QStringLiteral("nuovo, vecchio\nsolo\n"));
    QVERIFY(!leggiDueCampi(reader, WordListFile::Contrari, tavole.Parole1, tavole.Parole2,
                           tavole.NumeroParole)
                 .ok);
    QCOMPARE(tavole.NumeroParole, qint16(1));
    QCOMPARE(tavole.Parole1[1], QStringLiteral("alto"));
}

void WordListReaderTest::tableReaderFillsFromTheGivenColumn() {
    TestEnvironment env;
    const WordListReader reader(env.folder());
    env.writeList(WordListFile::Aree2,
                  QStringLiteral("mela, pera, banana\ncane, gatto, cavallo\n"));
    TextTable<101, 4> aree2;
    qint16 count = 0;
    QVERIFY(leggiTabella(reader, WordListFile::Aree2, 3, 1, aree2, count).ok);
    QCOMPARE(count, qint16(2));
    QCOMPARE(aree2[2][1], QStringLiteral("cane"));
    QCOMPARE(aree2[2][3], QStringLiteral("cavallo"));
    QCOMPARE(aree2[2][0], QString());
    QCOMPARE(aree2[0][1], QString());
}

QTEST_MAIN(WordListReaderTest)
#include "tst_wordlistreader.moc"
