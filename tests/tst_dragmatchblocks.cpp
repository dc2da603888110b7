#include "dragmatchtesting.h"

#include "colours/colori.h"
#include "colours/widgetcolours.h"
#include "core/appstate.h"
#include "geometry/twipsgeometry.h"
#include "messageboxanswerer.h"

#include <QAction>
#include <QMenuBar>
#include <QPushButton>

using namespace vocario;
using namespace vocario::testing;

// Idiom matching (Form8): a block of four consecutive records, the dragged
// label checked by its index, the dragged text written first.
class DragMatchBlocksTest : public QObject {
    Q_OBJECT
  private slots:
    void blocksFollowOneAnotherAndShowEveryRecord_data();
    void blocksFollowOneAnotherAndShowEveryRecord();
    void listOfBrokenBlocksIsRefusedAndShowsNoOtherWords_data();
    void listOfBrokenBlocksIsRefusedAndShowsNoOtherWords();
    void rowsAndDesignOfTheIdiomWindow();
    void rightDropIsTheLabelsOwnSlotWhateverTheText();
    void fourthRightDropEndsTheItem_data();
    void fourthRightDropEndsTheItem();
};

namespace {

const QString kModiDiDire = QStringLiteral("in bocca al lupo, buona fortuna\n"
                                           "essere al verde, non avere soldi\n"
                                           "avere le mani bucate, spendere troppo\n"
                                           "essere al verde, essere senza un soldo\n"
                                           "acqua in bocca, non dirlo a nessuno\n"
                                           "costare un occhio della testa, costare moltissimo\n"
                                           "avere la testa fra le nuvole, essere distratto\n"
                                           "\"ogni morte di papa, o quasi\", molto di rado\n");

QString numberedList(int records) {
    QString text;
    for (int n = 1; n <= records; ++n)
        text += QStringLiteral("frase %1, senso %1\n").arg(n);
    return text;
}

/// Colour slot, the block draw r, then the label drawn for each row.
QList<float> blockDeal(int colour, float r, const QList<int>& rowPicks = {0, 1, 2, 3}) {
    QList<float> values{pickWhole(colour, 18), r};
    for (int pick : rowPicks)
        values << pickIndex(pick, 4);
    return values;
}

DragMatchWindow* openIdioms(TestEnvironment& env, qint16 attende = 0) {
    env.writeList(QStringLiteral("modididire.txt"), kModiDiDire);
    env.state.AttendeBottone = attende;
    env.scriptRandom(blockDeal(3, 0.0f));
    return openDragMatch(8);
}

} // namespace

void DragMatchBlocksTest::blocksFollowOneAnotherAndShowEveryRecord_data() {
    QTest::addColumn<int>("records");
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("first");
    // Block m = floor(r * records / 4), divided exactly; it holds records
    // 4m + 1 .. 4m + 4, so the last block ends at the last record.
    QTest::newRow("12, block 0") << 12 << pickIndex(0, 3) << 1;
    QTest::newRow("12, block 1") << 12 << pickIndex(1, 3) << 5;
    QTest::newRow("12, r 2/3 divides exactly") << 12 << 2.0f / 3 << 9;
    QTest::newRow("12, last block shows 12") << 12 << 0.99f << 9;
    QTest::newRow("8, r 0.5") << 8 << 0.5f << 5;
    QTest::newRow("8, r 0.49") << 8 << 0.49f << 1;
    QTest::newRow("4, always 1..4") << 4 << 0.99f << 1;
    QTest::newRow("500, last block") << 500 << 0.99999f << 497;
}

void DragMatchBlocksTest::blocksFollowOneAnotherAndShowEveryRecord() {
    QFETCH(int, records);
    QFETCH(float, r);
    QFETCH(int, first);
    TestEnvironment env;
    env.writeList(QStringLiteral("modididire.txt"), numberedList(records));
    ScriptedRandomSource* random = env.scriptRandom(blockDeal(7, r));
    DragMatchWindow* w = openDragMatch(8);
    QVERIFY(w);
    QCOMPARE(random->remaining(), 0);
    QCOMPARE(w->modello().NumeroParole, records);
    QCOMPARE(w->modello().Estratto, first);
    QCOMPARE(w->backColour(), quint32(0x00FFFF));
    for (int k = 0; k < 4; ++k) {
        const int n = first + k;
        QVERIFY(n <= records);
        QCOMPARE(w->modello().recordDellaCoppia(k), n);
        QCOMPARE(text3(w, k), QStringLiteral("frase %1").arg(n));
        QCOMPARE(text4(w, k), QStringLiteral("senso %1").arg(n));
    }
}

void DragMatchBlocksTest::listOfBrokenBlocksIsRefusedAndShowsNoOtherWords_data() {
    QTest::addColumn<int>("records");
    QTest::addColumn<QString>("message");
    QTest::newRow("10") << 10
                        << "Il file testi/modididire.txt contiene 10 coppie, ma questo esercizio "
                           "le mostra a blocchi di 4: le ultime 2 coppie, dalla riga 9, restano "
                           "fuori da un blocco intero. Il numero delle coppie deve essere un "
                           "multiplo di 4 (aggiungine 2 oppure togline 2).";
    QTest::newRow("1") << 1
                       << "Il file testi/modididire.txt contiene una sola coppia, ma questo "
                          "esercizio le mostra a blocchi di 4: l'ultima coppia, alla riga 1, "
                          "resta fuori da un blocco intero. Il numero delle coppie deve essere "
                          "un multiplo di 4 (aggiungine 3).";
    QTest::newRow("empty") << 0
                           << "Il file testi/modididire.txt non contiene nessuna voce: per "
                              "questo esercizio ne servono almeno 4.";
}

// Blocks that reach past the list would show words another window read, or
// empty words that score when dropped on their own place.
void DragMatchBlocksTest::listOfBrokenBlocksIsRefusedAndShowsNoOtherWords() {
    QFETCH(int, records);
    QFETCH(QString, message);
    TestEnvironment env;
    env.writeList(QStringLiteral("modididire.txt"), numberedList(records));
    ScriptedRandomSource* random = env.scriptRandom({});
    MessageBoxAnswerer answerer;
    answerer.answerNext(QStringLiteral("OK"));
    QVERIFY(!openDragMatch(8));
    QCOMPARE(answerer.texts(), QStringList{message});
    QCOMPARE(random->remaining(), 0);
    QVERIFY(TestEnvironment::visibleWindows().isEmpty());
}

void DragMatchBlocksTest::rowsAndDesignOfTheIdiomWindow() {
    TestEnvironment env;
    env.writeList(QStringLiteral("modididire.txt"), kModiDiDire);
    ScriptedRandomSource* random = env.scriptRandom(blockDeal(3, 0.0f, {2, 2, 0, 0}));
    DragMatchWindow* w = openDragMatch(8);
    QVERIFY(w);
    QCOMPARE(random->remaining(), 0);
    // Picks 2, 2, 0, 0: the second 2 moves on to 3, the second 0 to 1.
    const QList<int> tops{2820, 4020, 420, 1620};
    for (int k = 0; k < 4; ++k) {
        QCOMPARE(topTwips(label3(w, k)), tops[k]);
        QCOMPARE(leftTwips(label3(w, k)), 315);
        QCOMPARE(label3(w, k)->height(), 47);
        QCOMPARE(topTwips(label4(w, k)), 420 + 1200 * k);
        QCOMPARE(leftTwips(label4(w, k)), k == 2 ? 3600 : 3570);
        QCOMPARE(label4(w, k)->font().pointSizeF(), 12.0);
        QCOMPARE(backColour(label4(w, k)), Colori::Bianco);
    }
    QCOMPARE(text3(w, 3), QStringLiteral("essere al verde"));
    QCOMPARE(text4(w, 3), QStringLiteral("essere senza un soldo"));
    QCOMPARE(w->objectName(), QStringLiteral("Form8"));
    QCOMPARE(w->control<QLabel>(QStringLiteral("Label5"))->text(),
             QStringLiteral("Trascina le parole della prima colonna sulla corrispondente della "
                            "seconda"));
    QCOMPARE(w->findChild<QAction*>(QStringLiteral("MenuInformazioni"))->text(),
             QStringLiteral("Informazioni          "));
    QCOMPARE(w->bottoneAvanti()->geometry().topLeft(), QPoint(496, 256));
    QVERIFY(!w->hasControl(QStringLiteral("Label4(4)")));
    QVERIFY(!w->hasControl(QStringLiteral("Label3(4)")));
}

void DragMatchBlocksTest::rightDropIsTheLabelsOwnSlotWhateverTheText() {
    TestEnvironment env;
    DragMatchWindow* w = openIdioms(env);
    QVERIFY(w);
    // Slots 1 and 3 show the same words.
    QCOMPARE(text3(w, 1), text3(w, 3));
    ScriptedRandomSource* random = env.scriptRandom({});

    QVERIFY(drop(w, 3, 1));
    QCOMPARE(w->backColour(), Colori::Nero);
    QCOMPARE(w->etichettaErrati()->text(), QStringLiteral(" 1"));
    QCOMPARE(text4(w, 1), QStringLiteral("non avere soldi"));
    QVERIFY(label3(w, 3)->isEnabled());

    random->append({pickWhole(10, 18), pickWhole(4, 4)});
    QVERIFY(drop(w, 1, 1));
    QCOMPARE(random->remaining(), 0);
    QCOMPARE(w->backColour(), quint32(0x00C000));
    QCOMPARE(text4(w, 1), QStringLiteral("essere al verde / non avere soldi"));
    QCOMPARE(backColour(label4(w, 1)), Colori::GialloPallido);
    QCOMPARE(text3(w, 1), QString());
    QVERIFY(!label3(w, 1)->isEnabled());
    QCOMPARE(env.sound->playedNames(), (QStringList{"no.wav", "si4.wav"}));

    // A matched label takes nothing more: any other word is wrong there.
    QVERIFY(drop(w, 3, 1));
    QCOMPARE(text4(w, 1), QStringLiteral("essere al verde / non avere soldi"));
    QCOMPARE(w->etichettaErrati()->text(), QStringLiteral(" 2"));
    QCOMPARE(w->modello().CoppieFatte, 1);
}

void DragMatchBlocksTest::fourthRightDropEndsTheItem_data() {
    QTest::addColumn<bool>("waits");
    QTest::newRow("waits for avanti") << true;
    QTest::newRow("goes on at once") << false;
}

void DragMatchBlocksTest::fourthRightDropEndsTheItem() {
    QFETCH(bool, waits);
    TestEnvironment env;
    DragMatchWindow* w = openIdioms(env, waits ? -1 : 0);
    QVERIFY(w);
    QCOMPARE(!w->bottoneAvanti()->isHidden(), waits);
    ScriptedRandomSource* random = env.scriptRandom({});
    const QStringList joined{
        "in bocca al lupo / buona fortuna", "essere al verde / non avere soldi",
        "avere le mani bucate / spendere troppo", "essere al verde / essere senza un soldo"};
    for (int k : {2, 0, 3}) {
        random->append({pickWhole(1, 4)});
        QVERIFY(drop(w, k, k));
    }
    QCOMPARE(w->modello().CoppieFatte, 3);
    QVERIFY(!w->bottoneAvanti()->isEnabled());

    // The next block (records 5..8) comes now or after "avanti".
    const QList<float> next = blockDeal(16, 0.6f, {3, 2, 1, 0});
    random->append({pickWhole(1, 4)});
    if (!waits)
        random->append(next);
    QVERIFY(drop(w, 1, 1));
    QCOMPARE(random->remaining(), 0);
    QCOMPARE(w->etichettaEsatti()->text(), QStringLiteral(" 4"));
    if (waits) {
        QVERIFY(w->bottoneAvanti()->isEnabled());
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(text4(w, k), joined[k]);
            QCOMPARE(backColour(label4(w, k)), Colori::GialloPallido);
            QCOMPARE(text3(w, k), QString());
            QVERIFY(!label3(w, k)->isEnabled());
        }
        random->append(next);
        w->bottoneAvanti()->click();
        QCOMPARE(random->remaining(), 0);
        QVERIFY(!w->bottoneAvanti()->isEnabled());
    }
    QCOMPARE(w->modello().Estratto, 5);
    QCOMPARE(w->backColour(), quint32(0xE0E0E0));
    QCOMPARE(w->modello().CoppieFatte, 0);
    QCOMPARE(text3(w, 0), QStringLiteral("acqua in bocca"));
    QCOMPARE(text4(w, 3), QStringLiteral("molto di rado"));
    for (int k = 0; k < 4; ++k) {
        QVERIFY(label3(w, k)->isEnabled());
        QCOMPARE(backColour(label4(w, k)), Colori::Bianco);
        QCOMPARE(topTwips(label3(w, k)), 420 + 1200 * (3 - k));
    }
}

QTEST_MAIN(DragMatchBlocksTest)
#include "tst_dragmatchblocks.moc"
