#include "exercises/catalogo.h"
#include "teacher/limitielenchi.h"
#include "teacher/verificaelenchi.h"
#include "wordlists/wordlistfiles.h"

#include <QHash>
#include <QSet>
#include <QStringDecoder>
#include <QtTest>

#include <algorithm>

using namespace vocario;

// The word lists shipped in testi/, read with the program's own reader: each
// must open its exercise and be fair to a pupil who answers sensibly.
class ShippedListsTest : public QObject {
    Q_OBJECT
  private slots:
    void readsWithinItsLimitAndAboveItsMinimum_data();
    void readsWithinItsLimitAndAboveItsMinimum();
    void isUtf8WithOneRecordPerLine_data();
    void isUtf8WithOneRecordPerLine();
    void hasNoEmptyFieldAndNoRepeatedRecord_data();
    void hasNoEmptyFieldAndNoRepeatedRecord();
    void matchingListShowsNoTextTwiceInAColumn_data();
    void matchingListShowsNoTextTwiceInAColumn();
    void choicesOfOneRecordDiffer_data();
    void choicesOfOneRecordDiffer();
    void noSynonymIsInBothColumns();
    void noPairIsBothSynonymsAndAntonyms();
    void noWordIsInTwoGroupsOfAree2();
    void checkerFindsNothingToMend();
};

namespace {

struct ShippedList {
    QString file;
    int fields;
    int atLeast; // what a class needs for variety
    int atMost;
    bool matching; // shown in columns the pupil matches by dragging
};

const QList<ShippedList>& shippedLists() {
    static const QList<ShippedList> lists{
        {WordListFile::Contrari, 2, 150, 500, true}, {WordListFile::Sinonimi, 2, 150, 200, true},
        {WordListFile::Gradi, 2, 100, 500, true},    {WordListFile::ModiDiDire, 2, 100, 500, true},
        {WordListFile::Aree1, 4, 60, 100, false},    {WordListFile::Aree2, 3, 60, 100, false},
        {WordListFile::Vocario, 5, 60, 100, false},
    };
    return lists;
}

const ShippedList& shippedList(const QString& file) {
    for (const ShippedList& list : shippedLists())
        if (list.file == file)
            return list;
    qFatal("unknown list %s", qPrintable(file));
}

QString folder() {
    return QStringLiteral(VOCARIO_SOURCE_DIR);
}

// What the exercises that read it take, from their rows of the catalogue.
LimitiElenco limitsOf(const QString& file) {
    return limitiElenco(catalogoEsercizi(), file);
}

WordListResult readShipped(const QString& file) {
    const LimitiElenco limits = limitsOf(file);
    return WordListReader(folder()).read(file, shippedList(file).fields, limits.vociMassime,
                                         limits.vociMultiploDi);
}

// What a pupil sees as the same text: case and spacing do not matter.
QString seenAs(const QString& text) {
    return text.simplified().toLower();
}

QString shown(const QStringList& record) {
    return u'"' + record.join(QStringLiteral(", ")) + u'"';
}

void addRowPerList(bool onlyMatching = false) {
    QTest::addColumn<QString>("file");
    for (const ShippedList& list : shippedLists())
        if (!onlyMatching || list.matching)
            QTest::newRow(qPrintable(list.file)) << list.file;
}

// Reads a list for a check that needs its records; fails the test if it cannot.
#define READ_OR_FAIL(result, file)                                                                 \
    const WordListResult result = readShipped(file);                                               \
    QVERIFY2(result.ok, qPrintable(result.error))

void verifyNoProblems(const QStringList& problems) {
    QVERIFY2(problems.isEmpty(), qPrintable(u'\n' + problems.join(u'\n')));
}

} // namespace

void ShippedListsTest::readsWithinItsLimitAndAboveItsMinimum_data() {
    addRowPerList();
}

void ShippedListsTest::readsWithinItsLimitAndAboveItsMinimum() {
    QFETCH(QString, file);
    const ShippedList& list = shippedList(file);
    const LimitiElenco limits = limitsOf(file);
    READ_OR_FAIL(result, file);
    const int count = int(result.records.size());
    qInfo("%s: %d records", qPrintable(file), count);
    QVERIFY2(count >= qMax(limits.vociMinime, list.atLeast),
             qPrintable(QStringLiteral("%1 records, the exercise needs %2 and a class at least %3")
                            .arg(count)
                            .arg(limits.vociMinime)
                            .arg(list.atLeast)));
    QVERIFY2(count <= list.atMost,
             qPrintable(QStringLiteral("%1 records, at most %2").arg(count).arg(list.atMost)));
    QVERIFY2(count % limits.vociMultiploDi == 0,
             qPrintable(QStringLiteral("%1 records, not a multiple of %2")
                            .arg(count)
                            .arg(limits.vociMultiploDi)));
}

void ShippedListsTest::isUtf8WithOneRecordPerLine_data() {
    addRowPerList();
}

void ShippedListsTest::isUtf8WithOneRecordPerLine() {
    QFETCH(QString, file);
    QFile text(WordListReader(folder()).pathOf(file));
    QVERIFY2(text.open(QIODevice::ReadOnly), qPrintable(text.errorString()));
    const QByteArray bytes = text.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8.decode(bytes);
    QVERIFY2(!utf8.hasError(), "not valid UTF-8");

    READ_OR_FAIL(result, file);
    QStringList problems;
    qsizetype record = 0;
    const QStringList lines = decoded.split(u'\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QString line = lines[n].trimmed();
        if (line.isEmpty())
            continue;
        // Each line, read alone, must give exactly the record in its place.
        const WordListResult alone =
            WordListReader::parse(line.toUtf8(), file, shippedList(file).fields, 1);
        if (!alone.ok || alone.records.size() != 1 || record >= result.records.size() ||
            alone.records.first() != result.records[record])
            problems << QStringLiteral("line %1 is not one whole record: %2").arg(n + 1).arg(line);
        ++record;
    }
    if (record != result.records.size())
        problems
            << QStringLiteral("%1 lines hold %2 records").arg(record).arg(result.records.size());
    verifyNoProblems(problems);
}

void ShippedListsTest::hasNoEmptyFieldAndNoRepeatedRecord_data() {
    addRowPerList();
}

void ShippedListsTest::hasNoEmptyFieldAndNoRepeatedRecord() {
    QFETCH(QString, file);
    READ_OR_FAIL(result, file);
    QStringList problems;
    QHash<QString, int> firstSeen;
    for (int n = 1; n <= result.records.size(); ++n) {
        const QStringList& record = result.records[n - 1];
        for (const QString& field : record)
            if (field.trimmed().isEmpty())
                problems
                    << QStringLiteral("record %1 %2 has an empty field").arg(n).arg(shown(record));
        QStringList key;
        for (const QString& field : record)
            key << seenAs(field);
        // A pair written the other way round is the same pair.
        QStringList reversed = key;
        std::reverse(reversed.begin(), reversed.end());
        const QString keys[] = {key.join(u'\x1f'), reversed.join(u'\x1f')};
        const int orders = record.size() == 2 ? 2 : 1;
        const auto earlier = std::find_if(keys, keys + orders,
                                          [&](const QString& k) { return firstSeen.contains(k); });
        if (earlier != keys + orders)
            problems << QStringLiteral("record %1 %2 repeats record %3")
                            .arg(n)
                            .arg(shown(record))
                            .arg(firstSeen.value(*earlier));
        else
            firstSeen.insert(keys[0], n);
    }
    verifyNoProblems(problems);
}

void ShippedListsTest::matchingListShowsNoTextTwiceInAColumn_data() {
    addRowPerList(true);
}

// A drop is judged by the record it belongs to, so two equal texts in one
// column would turn a right answer into a wrong one.
void ShippedListsTest::matchingListShowsNoTextTwiceInAColumn() {
    QFETCH(QString, file);
    READ_OR_FAIL(result, file);
    QStringList problems;
    for (int column = 0; column < 2; ++column) {
        QHash<QString, int> firstSeen;
        for (int n = 1; n <= result.records.size(); ++n) {
            const QString& text = result.records[n - 1][column];
            const int earlier = firstSeen.value(seenAs(text), 0);
            if (earlier > 0)
                problems << QStringLiteral("column %1: \"%2\" in records %3 and %4")
                                .arg(column + 1)
                                .arg(text)
                                .arg(earlier)
                                .arg(n);
            else
                firstSeen.insert(seenAs(text), n);
        }
    }
    verifyNoProblems(problems);
}

void ShippedListsTest::choicesOfOneRecordDiffer_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("firstChoice");
    // aree1: the including word and its three words; aree2: the group's three
    // words; vocario: the right meaning and the two wrong ones.
    QTest::newRow("aree1.txt") << WordListFile::Aree1 << 0;
    QTest::newRow("aree2.txt") << WordListFile::Aree2 << 0;
    QTest::newRow("vocario.txt") << WordListFile::Vocario << 2;
}

void ShippedListsTest::choicesOfOneRecordDiffer() {
    QFETCH(QString, file);
    QFETCH(int, firstChoice);
    READ_OR_FAIL(result, file);
    QStringList problems;
    for (int n = 1; n <= result.records.size(); ++n) {
        const QStringList& record = result.records[n - 1];
        QSet<QString> seen;
        for (qsizetype f = firstChoice; f < record.size(); ++f)
            seen.insert(seenAs(record[f]));
        if (seen.size() != record.size() - firstChoice)
            problems << QStringLiteral("record %1 %2 repeats a choice").arg(n).arg(shown(record));
    }
    verifyNoProblems(problems);
}

void ShippedListsTest::noSynonymIsInBothColumns() {
    READ_OR_FAIL(result, WordListFile::Sinonimi);
    QHash<QString, int> firstColumn;
    for (int n = 1; n <= result.records.size(); ++n)
        firstColumn.insert(seenAs(result.records[n - 1][0]), n);
    QStringList problems;
    for (int n = 1; n <= result.records.size(); ++n) {
        const QString& word = result.records[n - 1][1];
        if (firstColumn.contains(seenAs(word)))
            problems << QStringLiteral(
                            "\"%1\" is in column 2 of record %2 and column 1 of record %3")
                            .arg(word)
                            .arg(n)
                            .arg(firstColumn.value(seenAs(word)));
    }
    verifyNoProblems(problems);
}

void ShippedListsTest::noPairIsBothSynonymsAndAntonyms() {
    READ_OR_FAIL(sinonimi, WordListFile::Sinonimi);
    READ_OR_FAIL(contrari, WordListFile::Contrari);
    const auto pairKey = [](const QStringList& record) {
        QStringList pair{seenAs(record[0]), seenAs(record[1])};
        pair.sort();
        return pair.join(u'\x1f');
    };
    QHash<QString, int> antonymPairs;
    for (int n = 1; n <= contrari.records.size(); ++n)
        antonymPairs.insert(pairKey(contrari.records[n - 1]), n);
    QStringList problems;
    for (int n = 1; n <= sinonimi.records.size(); ++n) {
        const QStringList& record = sinonimi.records[n - 1];
        if (antonymPairs.contains(pairKey(record)))
            problems << QStringLiteral("sinonimi.txt record %1 %2 is contrari.txt record %3")
                            .arg(n)
                            .arg(shown(record))
                            .arg(antonymPairs.value(pairKey(record)));
    }
    verifyNoProblems(problems);
}

// The odd word out must be plainly odd: a word of two groups would belong to
// the group on show as well.
void ShippedListsTest::noWordIsInTwoGroupsOfAree2() {
    READ_OR_FAIL(result, WordListFile::Aree2);
    QHash<QString, int> groupOf;
    QStringList problems;
    for (int n = 1; n <= result.records.size(); ++n) {
        for (const QString& word : result.records[n - 1]) {
            const int earlier = groupOf.value(seenAs(word), 0);
            if (earlier > 0 && earlier != n)
                problems << QStringLiteral("\"%1\" is in groups %2 and %3")
                                .arg(word)
                                .arg(earlier)
                                .arg(n);
            else
                groupOf.insert(seenAs(word), n);
        }
    }
    verifyNoProblems(problems);
}

// What "Controlla gli elenchi" says of the shipped lists: nothing at all,
// not even advice.
void ShippedListsTest::checkerFindsNothingToMend() {
    const RapportoElenchi rapporto =
        verificaElenchi({{folder() + QStringLiteral("/testi"), QStringLiteral("testi/")}});
    QStringList problems;
    for (const Segnalazione& s : rapporto.segnalazioni)
        problems << s.testo;
    verifyNoProblems(problems);
    for (const ElencoLetto& elenco : rapporto.elenchi)
        QVERIFY2(elenco.voci > 0 && elenco.cartella == 0, qPrintable(elenco.file));
}

QTEST_GUILESS_MAIN(ShippedListsTest)
#include "tst_shippedlists.moc"
