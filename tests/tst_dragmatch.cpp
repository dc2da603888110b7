#include "dragmatchtesting.h"
#include "messageboxanswerer.h"

#include "layouts/twipsgeometry.h"
#include "layouts/widgetcolours.h"
#include "shell/appstate.h"
#include "shell/colori.h"
#include "shell/formmenu.h"

#include <QAction>
#include <QApplication>
#include <QDrag>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

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
    void textComparisonIsExact_data();
    void textComparisonIsExact();
    void equalWordsAreRightOnEitherSlotEvenTwice();
    void ninthRightDropWaitsForAvanti();
    void ninthRightDropDealsAtOnceWithoutAvanti();
    void dropsCountOnlyFromLabel3OntoLabel4();
    void label3DragCarriesItsNameAndAClickMovesNothing();
    void placedLabelCannotBePickedUp();
    void shortListsAreRefusedOverTheMenu_data();
    void shortListsAreRefusedOverTheMenu();
    void form1OpensFromTheMenuInItsDesignState();
    void form5DealsAndJudgesAsForm1InItsOwnLayout();
};

namespace {

const QString kContrari = QStringLiteral("alto, basso\n"
                                         "aperto, chiuso\n"
                                         "bello, brutto\n"
                                         "caldo, freddo\n"
                                         "dolce, amaro\n"
                                         "felice, triste\n"
                                         "grande, piccolo\n"
                                         "lungo, corto\n"
                                         "pieno, vuoto\n"
                                         "veloce, lento\n"
                                         "vecchio, giovane\n"
                                         "forte, debole\n");

const QString kGradi = QStringLiteral("tiepido, caldo\ncaldo, bollente\nfresco, freddo\n"
                                      "freddo, gelido\nbrutto, orribile\nbello, stupendo\n"
                                      "piccolo, minuscolo\ngrande, enorme\nstanco, sfinito\n");

/// Opens Form1 on kContrari with records 1..9 in slots 0..8, each word in
/// its own row (Label3(k) in row k), in colour slot 9.
DragMatchWindow* openSimpleForm1(TestEnvironment& env) {
    env.writeList(QStringLiteral("contrari.txt"), kContrari);
    scriptRandom(dealValues(9, upTo(9), 12, inOrder(9)));
    return openDragMatch(1);
}

bool shown(const VocarioWindow* w, const char* name) {
    return !w->control(QString::fromLatin1(name))->isHidden();
}

void pressAndMove(QWidget* label, QPoint from, QPoint to) {
    QMouseEvent press(QEvent::MouseButtonPress, from, label->mapToGlobal(from), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(label, &press);
    QMouseEvent move(QEvent::MouseMove, to, label->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(label, &move);
}

void release(QWidget* label, QPoint at) {
    QMouseEvent up(QEvent::MouseButtonRelease, at, label->mapToGlobal(at), Qt::LeftButton,
                   Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(label, &up);
}

} // namespace

void DragMatchTest::dealShowsNineDifferentRecordsInShuffledRows() {
    TestEnvironment env;
    env.writeList(QStringLiteral("contrari.txt"), kContrari);
    // Records 3 and 7 come up again while the slots are filled and are drawn
    // anew; row picks that land on a placed label move on, 8 wrapping to 0.
    ScriptedRandomSource* random = scriptRandom(
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
        QCOMPARE(w->recordOfSlot(k), records[k]);
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
    QCOMPARE(w->coppieFatte(), 0);
}

void DragMatchTest::rightDropJoinsTheWordsAndPlacesTheDraggedOne() {
    TestEnvironment env;
    DragMatchWindow* w = openSimpleForm1(env);
    QVERIFY(w);
    const quint32 colour = w->backColour();
    ScriptedRandomSource* random = scriptRandom({pickWhole(3, 4)});

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
    QCOMPARE(stato().NumeroEsatti, 1);
    QVERIFY(shown(w, "ComandoIconaSi"));
    QVERIFY(!shown(w, "ComandoIconaNo"));
    QCOMPARE(env.sound->playedNames(), QStringList{"si3.wav"});
    QCOMPARE(w->backColour(), colour);
    QCOMPARE(w->coppieFatte(), 1);
    QVERIFY(!w->bottoneAvanti()->isEnabled());
    for (int k : {0, 1, 2, 3, 5, 6, 7, 8}) {
        QCOMPARE(backColour(label4(w, k)), Colori::Bianco);
        QVERIFY(label3(w, k)->isEnabled());
    }
}

void DragMatchTest::wrongDropCountsAndBlackensAndChangesNothingElse() {
    TestEnvironment env;
    DragMatchWindow* w = openSimpleForm1(env);
    QVERIFY(w);
    ScriptedRandomSource* random = scriptRandom({});

    QVERIFY(drop(w, 0, 1)); // alto onto chiuso
    QCOMPARE(random->remaining(), 0);
    QCOMPARE(w->backColour(), Colori::Nero);
    QCOMPARE(w->etichettaErrati()->text(), QStringLiteral(" 1"));
    QCOMPARE(w->etichettaEsatti()->text(), QStringLiteral("0"));
    QCOMPARE(stato().NumeroErrati, 1);
    QCOMPARE(stato().NumeroEsatti, 0);
    QVERIFY(shown(w, "ComandoIconaNo"));
    QVERIFY(!shown(w, "ComandoIconaSi"));
    QCOMPARE(env.sound->playedNames(), QStringList{"no.wav"});
    QCOMPARE(text3(w, 0), QStringLiteral("alto"));
    QVERIFY(label3(w, 0)->isEnabled());
    QCOMPARE(topTwips(label3(w, 0)), 420);
    QCOMPARE(text4(w, 1), QStringLiteral("chiuso"));
    QCOMPARE(backColour(label4(w, 1)), Colori::Bianco);
    QCOMPARE(w->coppieFatte(), 0);

    // The same word can be tried again elsewhere.
    scriptRandom({pickWhole(11, 18), pickWhole(1, 4)});
    QVERIFY(drop(w, 0, 0));
    QCOMPARE(text4(w, 0), QStringLiteral("basso / alto"));
}

void DragMatchTest::rightDropAfterAWrongOneBringsAColourBackFirst() {
    TestEnvironment env;
    DragMatchWindow* w = openSimpleForm1(env);
    QVERIFY(w);
    scriptRandom({});
    drop(w, 2, 5);
    drop(w, 3, 5);
    QCOMPARE(w->backColour(), Colori::Nero);
    QCOMPARE(w->etichettaErrati()->text(), QStringLiteral(" 2"));

    // Colour first (slot 12, cyan), then the sound.
    ScriptedRandomSource* random = scriptRandom({pickWhole(12, 18), pickWhole(2, 4)});
    QVERIFY(drop(w, 5, 5));
    QCOMPARE(random->remaining(), 0);
    QCOMPARE(w->backColour(), quint32(0xFFFF00));
    QCOMPARE(text4(w, 5), QStringLiteral("triste / felice"));
    QCOMPARE(env.sound->playedNames(), (QStringList{"no.wav", "no.wav", "si2.wav"}));
    QVERIFY(shown(w, "ComandoIconaSi"));

    // Not black any more: the next right drop keeps the colour.
    scriptRandom({pickWhole(4, 4)});
    QVERIFY(drop(w, 6, 6));
    QCOMPARE(w->backColour(), quint32(0xFFFF00));
    QCOMPARE(w->etichettaEsatti()->text(), QStringLiteral(" 2"));
}

void DragMatchTest::soundOffMeansNoSoundAndNoDraw() {
    TestEnvironment env;
    DragMatchWindow* w = openSimpleForm1(env);
    QVERIFY(w);
    w->findChild<QAction*>(QStringLiteral("mnuSuonoNo"))->trigger();
    ScriptedRandomSource* random = scriptRandom({});
    QVERIFY(drop(w, 1, 1));
    QVERIFY(drop(w, 1, 2)); // a placed label is no longer in play
    QVERIFY(drop(w, 2, 3));
    QCOMPARE(random->remaining(), 0);
    QCOMPARE(env.sound->playedNames(), QStringList());
    QCOMPARE(w->etichettaEsatti()->text(), QStringLiteral(" 1"));
    QCOMPARE(w->etichettaErrati()->text(), QStringLiteral(" 1"));
}

void DragMatchTest::textComparisonIsExact_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("lookAlike");
    QTest::newRow("letter case") << QStringLiteral("Papa") << QStringLiteral("papa");
    QTest::newRow("accent") << QStringLiteral("però") << QStringLiteral("pero");
    QTest::newRow("accent direction") << QStringLiteral("perché") << QStringLiteral("perchè");
    QTest::newRow("trailing letter") << QStringLiteral("buon") << QStringLiteral("buono");
}

void DragMatchTest::textComparisonIsExact() {
    QFETCH(QString, word);
    QFETCH(QString, lookAlike);
    TestEnvironment env;
    env.writeList(QStringLiteral("contrari.txt"), word + QStringLiteral(", uno\n") + lookAlike +
                                                      QStringLiteral(", due\n") + kContrari);
    scriptRandom(dealValues(2, upTo(9), 14, inOrder(9)));
    DragMatchWindow* w = openDragMatch(1);
    QVERIFY(w);
    QCOMPARE(text3(w, 0), word);
    QCOMPARE(text3(w, 1), lookAlike);

    scriptRandom({pickWhole(1, 18), pickWhole(1, 4)});
    drop(w, 1, 0);
    QCOMPARE(text4(w, 0), QStringLiteral("uno"));
    QCOMPARE(w->etichettaErrati()->text(), QStringLiteral(" 1"));
    drop(w, 0, 1);
    QCOMPARE(text4(w, 1), QStringLiteral("due"));
    QCOMPARE(w->etichettaErrati()->text(), QStringLiteral(" 2"));
    drop(w, 0, 0);
    QCOMPARE(text4(w, 0), QStringLiteral("uno / ") + word);
    QCOMPARE(w->etichettaEsatti()->text(), QStringLiteral(" 1"));
}

void DragMatchTest::equalWordsAreRightOnEitherSlotEvenTwice() {
    TestEnvironment env;
    env.writeList(QStringLiteral("contrari.txt"),
                  QStringLiteral("chiaro, scuro\nchiaro, buio\n") + kContrari);
    stato().AttendeBottone = -1;
    scriptRandom(dealValues(9, upTo(9), 14, inOrder(9)));
    DragMatchWindow* w = openDragMatch(1);
    QVERIFY(w);
    QList<float> sounds;
    for (int i = 0; i < 9; ++i)
        sounds << pickWhole(1, 4);
    ScriptedRandomSource* random = scriptRandom(sounds);

    // The second "chiaro" is right on the first one's antonym...
    QVERIFY(drop(w, 1, 0));
    QCOMPARE(text4(w, 0), QStringLiteral("scuro / chiaro"));
    // ...and the first one is right there too, on a label already matched.
    QVERIFY(drop(w, 0, 0));
    QCOMPARE(text4(w, 0), QStringLiteral("scuro / chiaro / chiaro"));
    QCOMPARE(w->coppieFatte(), 2);
    QCOMPARE(backColour(label4(w, 1)), Colori::Bianco);
    QCOMPARE(text4(w, 1), QStringLiteral("buio"));

    for (int k = 2; k < 9; ++k)
        QVERIFY(drop(w, k, k));
    QCOMPARE(random->remaining(), 0);
    // Nine right drops finish the item even with one antonym left white.
    QCOMPARE(w->coppieFatte(), 9);
    QVERIFY(w->bottoneAvanti()->isEnabled());
    QCOMPARE(backColour(label4(w, 1)), Colori::Bianco);
    QCOMPARE(w->etichettaEsatti()->text(), QStringLiteral(" 9"));
}

void DragMatchTest::ninthRightDropWaitsForAvanti() {
    TestEnvironment env;
    env.writeList(QStringLiteral("contrari.txt"), kContrari);
    stato().AttendeBottone = -1;
    scriptRandom(dealValues(9, upTo(9), 12, inOrder(9)));
    DragMatchWindow* w = openDragMatch(1);
    QVERIFY(w);
    QVERIFY(shown(w, "BottoneAvanti"));
    QVERIFY(!w->bottoneAvanti()->isEnabled());
    const QStringList antonyms{"basso",  "chiuso",  "brutto", "freddo", "amaro",
                               "triste", "piccolo", "corto",  "vuoto"};
    const QStringList words{"alto",   "aperto", "bello", "caldo", "dolce",
                            "felice", "grande", "lungo", "pieno"};
    ScriptedRandomSource* random = scriptRandom({});
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
    QCOMPARE(w->coppieFatte(), 0);
    QVERIFY(shown(w, "ComandoIconaSi")); // the last answer's picture stays
}

void DragMatchTest::ninthRightDropDealsAtOnceWithoutAvanti() {
    TestEnvironment env;
    env.writeList(QStringLiteral("contrari.txt"), kContrari);
    stato().AttendeBottone = 0;
    scriptRandom(dealValues(9, upTo(9), 12, inOrder(9)));
    DragMatchWindow* w = openDragMatch(1);
    QVERIFY(w);
    QVERIFY(!shown(w, "BottoneAvanti"));
    ScriptedRandomSource* random = scriptRandom({});
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
    QCOMPARE(w->coppieFatte(), 0);
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

void DragMatchTest::dropsCountOnlyFromLabel3OntoLabel4() {
    TestEnvironment env;
    DragMatchWindow* w = openSimpleForm1(env);
    QVERIFY(w);
    ScriptedRandomSource* random = scriptRandom({});
    auto untouched = [&] {
        return w->etichettaEsatti()->text() == QStringLiteral("0") &&
               w->etichettaErrati()->text() == QStringLiteral("0") &&
               text4(w, 0) == QStringLiteral("basso") && text3(w, 0) == QStringLiteral("alto");
    };
    // Names that are not a word of this window are refused.
    for (const char* name : {"Label4(1)", "Label3(9)", "Label3", "BottoneAvanti", "Label3(-1)"})
        QVERIFY2(!dropOn(label4(w, 0), QString::fromLatin1(name)) || untouched(), name);
    QVERIFY(untouched());
    // Other data (text dragged from another program) is not taken.
    auto* plain = new QMimeData;
    plain->setText(QStringLiteral("alto"));
    QVERIFY(!deliverDrop(label4(w, 0), plain));
    // Words, pictures, counts and the background take no drops: the
    // platform hands a drop to the control under the pointer.
    for (const char* name : {"Label3(1)", "Label5", "EtichettaEsatti", "ComandoIconaSi"}) {
        QWidget* control = w->control(QString::fromLatin1(name));
        const QPoint at = control->mapTo(w, control->rect().center());
        QVERIFY2(!dropThroughWindow(w, at, QStringLiteral("Label3(0)")), name);
    }
    const QPoint gap = label4(w, 2)->mapTo(w, QPoint(-10, 5)); // between the columns
    QVERIFY(!dropThroughWindow(w, gap, QStringLiteral("Label3(0)")));
    QVERIFY(untouched());
    QCOMPARE(random->remaining(), 0);

    // On a drop label it is an answer.
    random->append({pickWhole(1, 4)});
    const QPoint at = label4(w, 0)->mapTo(w, label4(w, 0)->rect().center());
    QVERIFY(dropThroughWindow(w, at, QStringLiteral("Label3(0)")));
    QCOMPARE(text4(w, 0), QStringLiteral("basso / alto"));
}

void DragMatchTest::label3DragCarriesItsNameAndAClickMovesNothing() {
    TestEnvironment env;
    DragMatchWindow* w = openSimpleForm1(env);
    QVERIFY(w);
    DesignLabel* word = label3(w, 4);
    QVERIFY(word->isDraggable());
    QVERIFY(!label4(w, 4)->isDraggable());
    QVERIFY(!word->acceptDrops());
    QVERIFY(label4(w, 4)->acceptDrops());

    // A press and a move shorter than the drag distance: a click, no drag.
    QSignalSpy clicks(word, &DesignLabel::clicked);
    const QPoint from(20, 10);
    const int distance = QApplication::startDragDistance();
    pressAndMove(word, from, from + QPoint(distance - 2, 0));
    QVERIFY(!word->findChild<QDrag*>());
    release(word, from + QPoint(distance - 2, 0));
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(text3(w, 4), QStringLiteral("dolce"));
    QCOMPARE(topTwips(word), 420 + 630 * 4);
    QVERIFY(word->isEnabled());
    QCOMPARE(w->etichettaEsatti()->text() + w->etichettaErrati()->text(), QStringLiteral("00"));

    // Moving on past it starts a drag that carries the label's own name.
    pressAndMove(word, from, from + QPoint(distance + 3, 2));
    auto* drag = word->findChild<QDrag*>();
    QVERIFY(drag);
    QCOMPARE(DragPayload::decode(drag->mimeData()), std::optional<QString>("Label3(4)"));
    QVERIFY(!drag->pixmap().isNull()); // the word travels under the pointer
    QCOMPARE(clicks.count(), 1);

    // That same data, dropped on the antonym, is a right answer.
    scriptRandom({pickWhole(1, 4)});
    auto* copy = new QMimeData;
    for (const QString& format : drag->mimeData()->formats())
        copy->setData(format, drag->mimeData()->data(format));
    QVERIFY(deliverDrop(label4(w, 4), copy));
    QCOMPARE(text4(w, 4), QStringLiteral("amaro / dolce"));
}

void DragMatchTest::placedLabelCannotBePickedUp() {
    TestEnvironment env;
    DragMatchWindow* w = openSimpleForm1(env);
    QVERIFY(w);
    scriptRandom({pickWhole(1, 4)});
    QVERIFY(drop(w, 2, 2));
    DesignLabel* placed = label3(w, 2);
    QVERIFY(!placed->isEnabled());
    pressAndMove(placed, QPoint(20, 10), QPoint(80, 40));
    QVERIFY(!placed->findChild<QDrag*>());
    // A drop that still names it is not taken as an answer.
    dropOn(label4(w, 3), QStringLiteral("Label3(2)"));
    QCOMPARE(text4(w, 3), QStringLiteral("freddo"));
    QCOMPARE(w->etichettaErrati()->text(), QStringLiteral("0"));
}

void DragMatchTest::shortListsAreRefusedOverTheMenu_data() {
    QTest::addColumn<int>("numero");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("message");
    QTest::newRow("five antonyms")
        << 1 << "contrari.txt"
        << "a, b\nc, d\ne, f\ng, h\ni, j\n"
        << "Il file testi/contrari.txt contiene solo 5 coppie: per questo esercizio ne servono "
           "almeno 9.";
    QTest::newRow("one antonym") << 1 << "contrari.txt"
                                 << "a, b\n"
                                 << "Il file testi/contrari.txt contiene una sola coppia: per "
                                    "questo esercizio ne servono almeno 9.";
    QTest::newRow("eight degrees")
        << 5 << "gradi.txt" << QString(kGradi).section(u'\n', 0, 7)
        << "Il file testi/gradi.txt contiene solo 8 coppie: per questo esercizio ne servono "
           "almeno 9.";
    QTest::newRow("empty degrees") << 5 << "gradi.txt"
                                   << "\n\n"
                                   << "Il file testi/gradi.txt non contiene nessuna coppia di "
                                      "parole: per questo esercizio ne servono almeno 9.";
    QTest::newRow("empty idioms") << 8 << "modididire.txt"
                                  << ""
                                  << "Il file testi/modididire.txt non contiene nessuna coppia "
                                     "di parole: per questo esercizio serve almeno una coppia.";
}

void DragMatchTest::shortListsAreRefusedOverTheMenu() {
    QFETCH(int, numero);
    QFETCH(QString, file);
    QFETCH(QString, content);
    QFETCH(QString, message);
    TestEnvironment env;
    env.writeList(file, content);
    ScriptedRandomSource* random = scriptRandom({pickWhole(1, 18)});
    FormMenu* menu = Navigazione::mostraMenu(nullptr);
    MessageBoxAnswerer answerer;
    answerer.answerNext(QStringLiteral("OK"));
    menu->control<QPushButton>(QStringLiteral("Command%1").arg(numero + 1))->click();
    QCOMPARE(answerer.pending(), 0);
    QCOMPARE(answerer.texts(), QStringList{message});
    QCOMPARE(answerer.titles(), QStringList{"Vocario"});
    QCOMPARE(random->remaining(), 0); // no deal was tried
    QCOMPARE(TestEnvironment::visibleWindows(), QList<QWidget*>{menu});
    for (QWidget* window : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<DragMatchWindow*>(window));
}

void DragMatchTest::form1OpensFromTheMenuInItsDesignState() {
    TestEnvironment env;
    env.writeList(QStringLiteral("contrari.txt"), kContrari);
    // The menu's colour, then Form1's deal.
    scriptRandom(QList<float>{pickWhole(5, 18)} + dealValues(6, upTo(9), 12, inOrder(9)));
    FormMenu* menu = Navigazione::mostraMenu(nullptr);
    menu->member<QRadioButton>(QStringLiteral("Option1"), 1)->click();
    menu->control<QPushButton>(QStringLiteral("Command2"))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const QList<QWidget*> windows = TestEnvironment::visibleWindows();
    QCOMPARE(windows.size(), 1);
    auto* w = qobject_cast<DragMatchWindow*>(windows.first());
    QVERIFY(w);
    QCOMPARE(w->objectName(), QStringLiteral("Form1"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Form2"));
    QCOMPARE(w->centralWidget()->size(), QSize(687, 513));
    QCOMPARE(w->backColour(), Colori::GialloPallido);

    QStringList captions;
    for (QAction* action : w->menuBar()->actions())
        captions << action->text();
    QCOMPARE(captions, (QStringList{"Azzera conteggio          ", "Suono?          ",
                                    "Informazioni           ", "Esci"}));
    QVERIFY(w->findChild<QAction*>(QStringLiteral("mnuSuonoSi"))->isChecked());
    QVERIFY(!w->findChild<QAction*>(QStringLiteral("mnuSuonoNo"))->isChecked());

    QVERIFY(shown(w, "BottoneAvanti"));
    QVERIFY(!w->bottoneAvanti()->isEnabled());
    QCOMPARE(w->bottoneAvanti()->geometry(), QRect(488, 336, 127, 57));
    QCOMPARE(w->etichettaEsatti()->text(), QStringLiteral("0"));
    QCOMPARE(w->etichettaErrati()->text(), QStringLiteral("0"));
    QCOMPARE(w->control(QStringLiteral("ComandoIconaSi"))->geometry(), QRect(512, 20, 65, 57));
    auto* instruction = w->control<QLabel>(QStringLiteral("Label5"));
    QCOMPARE(instruction->text(), QStringLiteral("Trascina la parola nella prima colonna sulla sua "
                                                 "contraria che trovi nella seconda seconda"));
    QCOMPARE(instruction->geometry(), QRect(21, 7, 484, 15));
    for (int k = 0; k < 9; ++k) {
        QCOMPARE(label3(w, k)->font().family(), QStringLiteral("Arial"));
        QCOMPARE(label3(w, k)->font().pointSizeF(), 12.0);
        QVERIFY(label3(w, k)->font().bold());
        QCOMPARE(label4(w, k)->font().pointSizeF(), 12.0);
        QCOMPARE(label4(w, k)->geometry(),
                 QRect(238, (k == 8 ? 5520 : 420 + 630 * k) / 15, 233, 25));
        QCOMPARE(label3(w, k)->geometry().size(), QSize(180, 25));
        QCOMPARE(leftTwips(label3(w, k)), 315);
        QCOMPARE(label4(w, k)->frameShape(), QFrame::Box);
        QVERIFY(label4(w, k)->alignment() & Qt::AlignHCenter);
    }
}

void DragMatchTest::form5DealsAndJudgesAsForm1InItsOwnLayout() {
    TestEnvironment env;
    env.writeList(QStringLiteral("gradi.txt"), kGradi);
    ScriptedRandomSource* random =
        scriptRandom(dealValues(1, {9, 8, 7, 6, 5, 4, 3, 2, 1}, 9, {1, 0, 3, 2, 5, 4, 7, 6, 8}));
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
    scriptRandom({pickWhole(2, 18), pickWhole(1, 4)});
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
