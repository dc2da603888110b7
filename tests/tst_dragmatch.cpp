#include "dragmatchtesting.h"

#include "colours/colori.h"
#include "colours/widgetcolours.h"
#include "core/appstate.h"
#include "geometry/twipsgeometry.h"

#include <QAction>
#include <QPushButton>

using namespace vocario;
using namespace vocario::testing;

// Antonym matching (Form1) and degree matching (Form5): nine records drawn
// one by one, dragged words checked by their text.
class DragMatchTest : public QObject {
    Q_OBJECT
  private slots:
    void dealShowsNineDifferentRecordsInShuffledRows();
    void rightDropJoinsTheWordsAndPlacesTheDraggedOne();
    void wrongDropCountsAndBlackensAndChangesNothingElse();
    void rightDropAfterAWrongOneBringsAColourBackFirst();
    void soundOffMeansNoSoundAndNoDraw();
    void equalWordsAreRightOnEitherSlotEvenTwice();
    void ninthRightDropWaitsForAvanti();
    void ninthRightDropDealsAtOnceWithoutAvanti();
    void form5DealsAndJudgesAsForm1InItsOwnLayout();
};

namespace {

const QString kGradi = QStringLiteral("tiepido, caldo\ncaldo, bollente\nfresco, freddo\n"
                                      "freddo, gelido\nbrutto, orribile\nbello, stupendo\n"
                                      "piccolo, minuscolo\ngrande, enorme\nstanco, sfinito\n");

} // namespace

void DragMatchTest::dealShowsNineDifferentRecordsInShuffledRows() {
    TestEnvironment env;
    env.writeList(QStringLiteral("contrari.txt"), kTwelveAntonyms);
    // Records 3 and 7 come up again while the slots are filled and are drawn
    // anew; row picks that land on a placed label move on, 8 wrapping to 0.
    ScriptedRandomSource* random = env.scriptRandom(
        dealValues(9, {3, 7, 3, 12, 7, 1, 5, 9, 2, 11, 6}, 12, {4, 4, 8, 8, 0, 2, 7, 3, 3}));
    DragMatchWindow* w = openDragMatch(1);
    QVERIFY(w);
    QCOMPARE(random->remaining(), 0);
    QCOMPARE(w->backColour(), quint32(0x80FF80));

    const QList<int> records{3, 7, 12, 1, 5, 9, 2, 11, 6};
    const QStringList words{"bello", "grande", "forte",   "alto",  "dolce",
                            "pieno", "aperto", "vecchio", "felice"};
    const QStringList antonyms{"brutto", "piccolo", "debole",  "basso", "amaro",
                               "vuoto",  "chiuso",  "giovane", "triste"};
    const QList<int> tops{2310, 2940, 3570, 4830, 420, 1050, 5460, 4200, 1680};
    const QList<int> designTops{420, 1050, 1680, 2310, 2940, 3570, 4200, 4830, 5520};
    for (int k = 0; k < 9; ++k) {
        QCOMPARE(w->modello().recordDellaCoppia(k), records[k]);
        QCOMPARE(text3(w, k), words[k]);
        QCOMPARE(text4(w, k), antonyms[k]);
        QCOMPARE(topTwips(label3(w, k)), tops[k]);
        QCOMPARE(leftTwips(label3(w, k)), 315);
        QCOMPARE(label3(w, k)->y(), tops[k] / 15);
        QCOMPARE(topTwips(label4(w, k)), designTops[k]);
        QCOMPARE(backColour(label4(w, k)), Colori::Bianco);
        QVERIFY(label3(w, k)->isEnabled());
    }
    QCOMPARE(w->etichettaEsatti()->text(), QStringLiteral("0"));
    QCOMPARE(w->etichettaErrati()->text(), QStringLiteral("0"));
    QCOMPARE(w->modello().CoppieFatte, 0);
}

void DragMatchTest::rightDropJoinsTheWordsAndPlacesTheDraggedOne() {
    TestEnvironment env;
    DragMatchWindow* w = openForm1InOrder(env);
    QVERIFY(w);
    const quint32 colour = w->backColour();
    ScriptedRandomSource* random = env.scriptRandom({pickWhole(3, 4)});

    QVERIFY(drop(w, 4, 4)); // dolce onto amaro
    QCOMPARE(random->remaining(), 0);
    QCOMPARE(text4(w, 4), QStringLiteral("amaro / dolce"));
    QCOMPARE(backColour(label4(w, 4)), Colori::GialloPallido);
    QCOMPARE(text3(w, 4), QString());
    QVERIFY(!label3(w, 4)->isEnabled());
    QCOMPARE(topTwips(label3(w, 4)), 420 + 630 * 4);
    QCOMPARE(backColour(label3(w, 4)), Colori::Bianco);
    QCOMPARE(w->etichettaEsatti()->text(), QStringLiteral(" 1"));
    QCOMPARE(w->etichettaErrati()->text(), QStringLiteral("0"));
    QCOMPARE(env.state.NumeroEsatti, 1);
    QVERIFY(isShown(w, "ComandoIconaSi"));
    QVERIFY(!isShown(w, "ComandoIconaNo"));
    QCOMPARE(env.sound->playedNames(), QStringList{"si3.wav"});
    QCOMPARE(w->backColour(), colour);
    QCOMPARE(w->modello().CoppieFatte, 1);
    QVERIFY(!w->bottoneAvanti()->isEnabled());
    for (int k : {0, 1, 2, 3, 5, 6, 7, 8}) {
        QCOMPARE(backColour(label4(w, k)), Colori::Bianco);
        QVERIFY(label3(w, k)->isEnabled());
    }
}

void DragMatchTest::wrongDropCountsAndBlackensAndChangesNothingElse() {
    TestEnvironment env;
    DragMatchWindow* w = openForm1InOrder(env);
    QVERIFY(w);
    ScriptedRandomSource* random = env.scriptRandom({});

    QVERIFY(drop(w, 0, 1)); // alto onto chiuso
    QCOMPARE(random->remaining(), 0);
    QCOMPARE(w->backColour(), Colori::Nero);
    QCOMPARE(w->etichettaErrati()->text(), QStringLiteral(" 1"));
    QCOMPARE(w->etichettaEsatti()->text(), QStringLiteral("0"));
    QCOMPARE(env.state.NumeroErrati, 1);
    QCOMPARE(env.state.NumeroEsatti, 0);
    QVERIFY(isShown(w, "ComandoIconaNo"));
    QVERIFY(!isShown(w, "ComandoIconaSi"));
    QCOMPARE(env.sound->playedNames(), QStringList{"no.wav"});
    QCOMPARE(text3(w, 0), QStringLiteral("alto"));
    QVERIFY(label3(w, 0)->isEnabled());
    QCOMPARE(topTwips(label3(w, 0)), 420);
    QCOMPARE(text4(w, 1), QStringLiteral("chiuso"));
    QCOMPARE(backColour(label4(w, 1)), Colori::Bianco);
    QCOMPARE(w->modello().CoppieFatte, 0);

    // The same word can be tried again elsewhere.
    env.scriptRandom({pickWhole(11, 18), pickWhole(1, 4)});
    QVERIFY(drop(w, 0, 0));
    QCOMPARE(text4(w, 0), QStringLiteral("basso / alto"));
}

void DragMatchTest::rightDropAfterAWrongOneBringsAColourBackFirst() {
    TestEnvironment env;
    DragMatchWindow* w = openForm1InOrder(env);
    QVERIFY(w);
    env.scriptRandom({});
    drop(w, 2, 5);
    drop(w, 3, 5);
    QCOMPARE(w->backColour(), Colori::Nero);
    QCOMPARE(w->etichettaErrati()->text(), QStringLiteral(" 2"));

    // Colour first (slot 12, cyan), then the sound.
    ScriptedRandomSource* random = env.scriptRandom({pickWhole(12, 18), pickWhole(2, 4)});
    QVERIFY(drop(w, 5, 5));
    QCOMPARE(random->remaining(), 0);
    QCOMPARE(w->backColour(), quint32(0xFFFF00));
    QCOMPARE(text4(w, 5), QStringLiteral("triste / felice"));
    QCOMPARE(env.sound->playedNames(), (QStringList{"no.wav", "no.wav", "si2.wav"}));
    QVERIFY(isShown(w, "ComandoIconaSi"));

    // Not black any more: the next right drop keeps the colour.
    env.scriptRandom({pickWhole(4, 4)});
    QVERIFY(drop(w, 6, 6));
    QCOMPARE(w->backColour(), quint32(0xFFFF00));
    QCOMPARE(w->etichettaEsatti()->text(), QStringLiteral(" 2"));
}

void DragMatchTest::soundOffMeansNoSoundAndNoDraw() {
    TestEnvironment env;
    DragMatchWindow* w = openForm1InOrder(env);
    QVERIFY(w);
    w->findChild<QAction*>(QStringLiteral("mnuSuonoNo"))->trigger();
    ScriptedRandomSource* random = env.scriptRandom({});
    QVERIFY(drop(w, 1, 1));
    QVERIFY(drop(w, 1, 2)); // a placed label is no longer in play
    QVERIFY(drop(w, 2, 3));
    QCOMPARE(random->remaining(), 0);
    QCOMPARE(env.sound->playedNames(), QStringList());
    QCOMPARE(w->etichettaEsatti()->text(), QStringLiteral(" 1"));
    QCOMPARE(w->etichettaErrati()->text(), QStringLiteral(" 1"));
}

void DragMatchTest::equalWordsAreRightOnEitherSlotEvenTwice() {
    TestEnvironment env;
    env.writeList(QStringLiteral("contrari.txt"),
                  QStringLiteral("chiaro, scuro\nchiaro, buio\n") + kTwelveAntonyms);
    env.state.AttendeBottone = -1;
    env.scriptRandom(dealValues(9, upTo(9), 14, inOrder(9)));
    DragMatchWindow* w = openDragMatch(1);
    QVERIFY(w);
    QList<float> sounds;
    for (int i = 0; i < 9; ++i)
        sounds << pickWhole(1, 4);
    ScriptedRandomSource* random = env.scriptRandom(sounds);

    // The second "chiaro" is right on the first one's antonym...
    QVERIFY(drop(w, 1, 0));
    QCOMPARE(text4(w, 0), QStringLiteral("scuro / chiaro"));
    // ...and the first one is right there too, on a label already matched.
    QVERIFY(drop(w, 0, 0));
    QCOMPARE(text4(w, 0), QStringLiteral("scuro / chiaro / chiaro"));
    QCOMPARE(w->modello().CoppieFatte, 2);
    QCOMPARE(backColour(label4(w, 1)), Colori::Bianco);
    QCOMPARE(text4(w, 1), QStringLiteral("buio"));

    for (int k = 2; k < 9; ++k)
        QVERIFY(drop(w, k, k));
    QCOMPARE(random->remaining(), 0);
    // Nine right drops finish the item even with one antonym left white.
    QCOMPARE(w->modello().CoppieFatte, 9);
    QVERIFY(w->bottoneAvanti()->isEnabled());
    QCOMPARE(backColour(label4(w, 1)), Colori::Bianco);
    QCOMPARE(w->etichettaEsatti()->text(), QStringLiteral(" 9"));
}

void DragMatchTest::ninthRightDropWaitsForAvanti() {
    TestEnvironment env;
    env.writeList(QStringLiteral("contrari.txt"), kTwelveAntonyms);
    env.state.AttendeBottone = -1;
    env.scriptRandom(dealValues(9, upTo(9), 12, inOrder(9)));
    DragMatchWindow* w = openDragMatch(1);
    QVERIFY(w);
    QVERIFY(isShown(w, "BottoneAvanti"));
    QVERIFY(!w->bottoneAvanti()->isEnabled());
    const QStringList antonyms{"basso",  "chiuso",  "brutto", "freddo", "amaro",
                               "triste", "piccolo", "corto",  "vuoto"};
    const QStringList words{"alto",   "aperto", "bello", "caldo", "dolce",
                            "felice", "grande", "lungo", "pieno"};
    ScriptedRandomSource* random = env.scriptRandom({});
    for (int k = 8; k >= 0; --k) {
        random->append({pickWhole(1, 4)});
        QVERIFY(!w->bottoneAvanti()->isEnabled());
        QVERIFY(drop(w, k, k));
    }
    QCOMPARE(random->remaining(), 0);
    QVERIFY(w->bottoneAvanti()->isEnabled());
    for (int k = 0; k < 9; ++k) {
        QCOMPARE(text4(w, k), antonyms[k] + QStringLiteral(" / ") + words[k]);
        QCOMPARE(backColour(label4(w, k)), Colori::GialloPallido);
        QCOMPARE(text3(w, k), QString());
        QVERIFY(!label3(w, k)->isEnabled());
    }
    QCOMPARE(w->etichettaEsatti()->text(), QStringLiteral(" 9"));

    // "avanti" deals records 10, 11, 12, 1..6 in a new colour.
    random->append(dealValues(13, {10, 11, 12, 1, 2, 3, 4, 5, 6}, 12, inOrder(9)));
    w->bottoneAvanti()->click();
    QCOMPARE(random->remaining(), 0);
    QVERIFY(!w->bottoneAvanti()->isEnabled());
    QCOMPARE(w->backColour(), quint32(0xFFC0C0));
    QCOMPARE(text3(w, 0), QStringLiteral("veloce"));
    QCOMPARE(text4(w, 8), QStringLiteral("triste"));
    for (int k = 0; k < 9; ++k) {
        QVERIFY(label3(w, k)->isEnabled());
        QCOMPARE(backColour(label4(w, k)), Colori::Bianco);
    }
    QCOMPARE(w->modello().CoppieFatte, 0);
    QVERIFY(isShown(w, "ComandoIconaSi")); // the last answer's picture stays
}

void DragMatchTest::ninthRightDropDealsAtOnceWithoutAvanti() {
    TestEnvironment env;
    env.writeList(QStringLiteral("contrari.txt"), kTwelveAntonyms);
    env.state.AttendeBottone = 0;
    env.scriptRandom(dealValues(9, upTo(9), 12, inOrder(9)));
    DragMatchWindow* w = openDragMatch(1);
    QVERIFY(w);
    QVERIFY(!isShown(w, "BottoneAvanti"));
    ScriptedRandomSource* random = env.scriptRandom({});
    for (int k = 0; k < 8; ++k) {
        random->append({pickWhole(2, 4)});
        QVERIFY(drop(w, k, k));
    }
    // The ninth drop's sound, then the next item: colour, records, rows.
    random->append({pickWhole(4, 4)});
    random->append(dealValues(17, {12, 11, 10, 9, 8, 7, 6, 5, 4}, 12, {8, 8, 8, 8, 8, 8, 8, 8, 8}));
    QVERIFY(drop(w, 8, 8));
    QCOMPARE(random->remaining(), 0);
    QCOMPARE(w->backColour(), quint32(0xFF0000));
    QCOMPARE(w->modello().CoppieFatte, 0);
    QCOMPARE(w->etichettaEsatti()->text(), QStringLiteral(" 9"));
    QCOMPARE(env.sound->playedNames().size(), 9);
    for (int k = 0; k < 9; ++k) {
        QCOMPARE(backColour(label4(w, k)), Colori::Bianco);
        QVERIFY(label3(w, k)->isEnabled());
        // Every pick was 8: rows go to 8, 0, 1, ... 7.
        QCOMPARE(topTwips(label3(w, k)), k == 8 ? 420 : 420 + 630 * (k + 1));
    }
    QCOMPARE(text3(w, 0), QStringLiteral("forte"));
    QCOMPARE(text4(w, 0), QStringLiteral("debole"));
    QVERIFY(!w->bottoneAvanti()->isEnabled());
}

void DragMatchTest::form5DealsAndJudgesAsForm1InItsOwnLayout() {
    TestEnvironment env;
    env.writeList(QStringLiteral("gradi.txt"), kGradi);
    ScriptedRandomSource* random = env.scriptRandom(
        dealValues(1, {9, 8, 7, 6, 5, 4, 3, 2, 1}, 9, {1, 0, 3, 2, 5, 4, 7, 6, 8}));
    DragMatchWindow* w = openDragMatch(5);
    QVERIFY(w);
    QCOMPARE(random->remaining(), 0);
    QCOMPARE(w->objectName(), QStringLiteral("Form5"));
    QCOMPARE(w->backColour(), quint32(0xC0C0FF));
    QCOMPARE(w->control<QLabel>(QStringLiteral("Label5"))->text(),
             QStringLiteral("Trascina la parola della prima colonna sulla corrispondente della "
                            "seconda"));
    QCOMPARE(text3(w, 0), QStringLiteral("stanco"));
    QCOMPARE(text4(w, 0), QStringLiteral("sfinito"));
    QCOMPARE(text3(w, 8), QStringLiteral("tiepido"));
    QCOMPARE(topTwips(label3(w, 0)), 1050);
    QCOMPARE(topTwips(label3(w, 1)), 420);
    QCOMPARE(topTwips(label3(w, 8)), 5460);
    for (int k = 0; k < 9; ++k) {
        QCOMPARE(topTwips(label4(w, k)), 420 + 630 * k); // an even column
        QCOMPARE(label3(w, k)->font().pointSizeF(), 15.75);
        QCOMPARE(label4(w, k)->font().pointSizeF(), 14.25);
    }
    QVERIFY(w->control(QStringLiteral("ComandoIconaNo"))->geometry().topLeft() == QPoint(528, 24));

    // "caldo" is field 1 of record 2 and field 2 of record 1: only its own
    // record counts.
    env.scriptRandom({pickWhole(2, 18), pickWhole(1, 4)});
    drop(w, 7, 8); // caldo onto "caldo" (record 1's second word)
    QCOMPARE(w->backColour(), Colori::Nero);
    QCOMPARE(text4(w, 8), QStringLiteral("caldo"));
    QVERIFY(drop(w, 7, 7));
    QCOMPARE(text4(w, 7), QStringLiteral("bollente / caldo"));
    QCOMPARE(w->backColour(), quint32(0x8080FF));
    QCOMPARE(env.sound->playedNames(), (QStringList{"no.wav", "si1.wav"}));
}

QTEST_MAIN(DragMatchTest)
#include "tst_dragmatch.moc"
