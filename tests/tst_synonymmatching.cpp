#include "dragmatchtesting.h"
#include "messageboxanswerer.h"
#include "testenvironment.h"

#include "app/navigazione.h"
#include "colours/colori.h"
#include "colours/widgetcolours.h"
#include "core/appstate.h"
#include "exercises/matching/form2sinonimi.h"
#include "frame/exercisewindow.h"
#include "geometry/twipsgeometry.h"
#include "layouts/designlabel.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

using namespace vocario;
using namespace vocario::testing;

namespace {

// Nine records; the last holds a comma inside quotes.
const QString kSinonimi = QStringLiteral("allegro,contento\n"
                                         "veloce,rapido\n"
                                         "bello,grazioso\n"
                                         "casa,abitazione\n"
                                         "paura,timore\n"
                                         "strada,via\n"
                                         "iniziare,cominciare\n"
                                         "finire,terminare\n"
                                         "calmo,\"tranquillo, sereno\"\n");

// The first deal of every test: rows 3, 5, 1, 9, 2, 7, 4 (two repeated draws
// are drawn again), colour slot 12 (cyan), then the shuffle of the synonyms.
const QList<float> kPrimoTurno = {
    pickWhole(3, 9), pickWhole(3, 9), pickWhole(5, 9), pickWhole(1, 9), pickWhole(9, 9),
    pickWhole(1, 9), pickWhole(2, 9), pickWhole(7, 9), pickWhole(4, 9), pickWhole(12, 18),
    pickIndex(6, 7), pickIndex(6, 7), pickIndex(0, 7), pickIndex(3, 7), pickIndex(2, 7),
    pickIndex(2, 7), pickIndex(4, 7)};
const QStringList kParole = {"bello", "paura", "allegro", "calmo", "veloce", "iniziare", "casa"};
const QStringList kSinonimiScelti = {"grazioso", "timore",     "contento",  "tranquillo, sereno",
                                     "rapido",   "cominciare", "abitazione"};
// Where the shuffle above puts Label3(0)..Label3(6).
const QList<int> kTopSinonimi = {1050, 2000, 3900, 2950, 4850, 5800, 100};

const QStringList kEtichetteConteggi = {"Label1", "Label5", "EtichettaEsatti", "EtichettaErrati"};

ExerciseWindow* apriForm2() {
    if (!Navigazione::apriEsercizio(2, nullptr))
        return nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("Form2") && widget->isVisible())
            return qobject_cast<ExerciseWindow*>(widget);
    return nullptr;
}

QString testo(ExerciseWindow* window, const char* name) {
    return window->control<QLabel>(QLatin1String(name))->text();
}

} // namespace

class SynonymMatchingTest : public QObject {
    Q_OBJECT
  private slots:
    void openingDealsSevenPairsInTheirRows();
    void rightDropJoinsTheWordsAndEmptiesTheSynonym();
    void wrongDropBlackensAndWhitensTheCountsUntilTheNextRightDrop();
    void dropOnAMatchedLabelIsWrongAndLeavesItUnchanged();
    void dropsOfPlacedOrForeignLabelsAreIgnored();
    void theIndexDecidesEvenBetweenEqualPairs();
    void seventhRightDropFinishesTheItem_data();
    void seventhRightDropFinishesTheItem();
    void activationDealsOncePerOpening();
    void listsThatCannotFillAnItemAreRefused_data();
    void listsThatCannotFillAnItemAreRefused();
    void twoHundredRecordsAreReadAndNumeroParoleIsLeftAlone();
};

void SynonymMatchingTest::openingDealsSevenPairsInTheirRows() {
    TestEnvironment env;
    env.writeList(QStringLiteral("sinonimi.txt"), kSinonimi);
    ScriptedRandomSource* random = env.scriptRandom(kPrimoTurno);
    ExerciseWindow* window = apriForm2();
    QVERIFY(window);
    QCOMPARE(random->remaining(), 0);
    QCOMPARE(window->backColour(), quint32(0xFFFF00));
    QCOMPARE(testo(window, "EtichettaEsatti"), QStringLiteral("0"));
    QCOMPARE(testo(window, "EtichettaErrati"), QStringLiteral("0"));
    for (int k = 0; k < 7; ++k) {
        DesignLabel* parola = label4(window, k);
        DesignLabel* sinonimo = label3(window, k);
        QCOMPARE(parola->text(), kParole[k]);
        QCOMPARE(topTwips(parola), 100 + 950 * k);
        QCOMPARE(leftTwips(parola), k == 2 ? 3240 : 3255);
        QCOMPARE(parola->font().pointSizeF(), 16.0);
        QCOMPARE(backColour(parola), Colori::Bianco);
        QVERIFY(parola->acceptDrops());
        QCOMPARE(sinonimo->text(), kSinonimiScelti[k]);
        QCOMPARE(topTwips(sinonimo), kTopSinonimi[k]);
        QCOMPARE(leftTwips(sinonimo), 210);
        QVERIFY(sinonimo->isEnabled());
        QVERIFY(sinonimo->isDraggable());
        QVERIFY(!sinonimo->acceptDrops());
    }
    // No sound menu, and no instruction line: Label5 is the "Errati" caption.
    QStringList voci;
    for (QAction* voce : window->menuBar()->actions())
        voci << voce->objectName();
    QCOMPARE(voci, (QStringList{"MenuAzzera", "MenuInformazioni", "mnuEsci"}));
    QCOMPARE(testo(window, "Label5"), QStringLiteral("Errati"));
}

void SynonymMatchingTest::rightDropJoinsTheWordsAndEmptiesTheSynonym() {
    TestEnvironment env;
    env.writeList(QStringLiteral("sinonimi.txt"), kSinonimi);
    ScriptedRandomSource* random = env.scriptRandom(kPrimoTurno);
    ExerciseWindow* window = apriForm2();
    QVERIFY(window);
    random->append({pickWhole(3, 4)});
    drop(window, 3, 3);
    QCOMPARE(random->remaining(), 0);
    DesignLabel* parola = label4(window, 3);
    QCOMPARE(parola->text(), QStringLiteral("calmo - tranquillo, sereno"));
    QCOMPARE(parola->font().pointSizeF(), 14.0);
    QCOMPARE(backColour(parola), Colori::GialloPallido);
    QCOMPARE(label3(window, 3)->text(), QString());
    QVERIFY(!label3(window, 3)->isEnabled());
    QCOMPARE(topTwips(label3(window, 3)), 2950);
    QCOMPARE(env.state.NumeroEsatti, qint16(1));
    QCOMPARE(testo(window, "EtichettaEsatti"), QStringLiteral(" 1"));
    QVERIFY(window->control(QStringLiteral("ComandoIconaSi"))->isVisible());
    QVERIFY(!window->control(QStringLiteral("ComandoIconaNo"))->isVisible());
    QCOMPARE(env.sound->playedNames(), QStringList{"si3.wav"});
    QCOMPARE(window->backColour(), quint32(0xFFFF00));
    // The other pairs wait as they were dealt.
    QCOMPARE(label4(window, 2)->text(), QStringLiteral("allegro"));
    QCOMPARE(label4(window, 2)->font().pointSizeF(), 16.0);
    QVERIFY(!window->bottoneAvanti()->isEnabled());
}

void SynonymMatchingTest::wrongDropBlackensAndWhitensTheCountsUntilTheNextRightDrop() {
    TestEnvironment env;
    env.writeList(QStringLiteral("sinonimi.txt"), kSinonimi);
    ScriptedRandomSource* random = env.scriptRandom(kPrimoTurno);
    ExerciseWindow* window = apriForm2();
    QVERIFY(window);
    for (const QString& name : kEtichetteConteggi)
        QCOMPARE(foreColour(window->control(name)), Colori::Nero);

    // "timore" dropped on "bello".
    drop(window, 1, 0);
    QCOMPARE(random->remaining(), 0);
    QCOMPARE(window->backColour(), Colori::Nero);
    QCOMPARE(env.state.NumeroErrati, qint16(1));
    QCOMPARE(testo(window, "EtichettaErrati"), QStringLiteral(" 1"));
    QCOMPARE(testo(window, "EtichettaEsatti"), QStringLiteral("0"));
    for (const QString& name : kEtichetteConteggi)
        QCOMPARE(foreColour(window->control(name)), Colori::Bianco);
    QVERIFY(window->control(QStringLiteral("ComandoIconaNo"))->isVisible());
    QVERIFY(!window->control(QStringLiteral("ComandoIconaSi"))->isVisible());
    QCOMPARE(label4(window, 0)->text(), QStringLiteral("bello"));
    QCOMPARE(backColour(label4(window, 0)), Colori::Bianco);
    QCOMPARE(label4(window, 0)->font().pointSizeF(), 16.0);
    QCOMPARE(label3(window, 1)->text(), QStringLiteral("timore"));
    QVERIFY(label3(window, 1)->isEnabled());
    QCOMPARE(topTwips(label3(window, 1)), 2000);
    QCOMPARE(env.sound->playedNames(), QStringList{"no.wav"});

    // A second wrong drop keeps black; the right drop brings a colour and
    // black texts back before the sound is drawn.
    drop(window, 0, 6);
    QCOMPARE(testo(window, "EtichettaErrati"), QStringLiteral(" 2"));
    random->append({pickWhole(17, 18), pickWhole(1, 4)});
    drop(window, 1, 1);
    QCOMPARE(random->remaining(), 0);
    QCOMPARE(window->backColour(), quint32(0xFF0000));
    // Black is hard to read on blue: the texts stay white there.
    for (const QString& name : kEtichetteConteggi)
        QCOMPARE(foreColour(window->control(name)), Colori::Bianco);
    QCOMPARE(label4(window, 1)->text(), QStringLiteral("paura - timore"));
    QCOMPARE(testo(window, "EtichettaEsatti"), QStringLiteral(" 1"));
    QCOMPARE(testo(window, "EtichettaErrati"), QStringLiteral(" 2"));
    QCOMPARE(env.sound->playedNames(), (QStringList{"no.wav", "no.wav", "si1.wav"}));
}

void SynonymMatchingTest::dropOnAMatchedLabelIsWrongAndLeavesItUnchanged() {
    TestEnvironment env;
    env.writeList(QStringLiteral("sinonimi.txt"), kSinonimi);
    ScriptedRandomSource* random = env.scriptRandom(kPrimoTurno);
    ExerciseWindow* window = apriForm2();
    QVERIFY(window);
    random->append({pickWhole(2, 4)});
    drop(window, 5, 5);
    drop(window, 4, 5);
    QCOMPARE(random->remaining(), 0);
    DesignLabel* parola = label4(window, 5);
    QCOMPARE(parola->text(), QStringLiteral("iniziare - cominciare"));
    QCOMPARE(backColour(parola), Colori::GialloPallido);
    QCOMPARE(parola->font().pointSizeF(), 14.0);
    QCOMPARE(env.state.NumeroEsatti, qint16(1));
    QCOMPARE(env.state.NumeroErrati, qint16(1));
    QCOMPARE(window->backColour(), Colori::Nero);
    QCOMPARE(label3(window, 4)->text(), QStringLiteral("rapido"));
    QVERIFY(label3(window, 4)->isEnabled());
}

void SynonymMatchingTest::dropsOfPlacedOrForeignLabelsAreIgnored() {
    TestEnvironment env;
    env.writeList(QStringLiteral("sinonimi.txt"), kSinonimi);
    ScriptedRandomSource* random = env.scriptRandom(kPrimoTurno);
    ExerciseWindow* window = apriForm2();
    QVERIFY(window);
    random->append({pickWhole(4, 4)});
    drop(window, 0, 0);
    // A placed synonym cannot be picked up again, and only Label3 members
    // are dragged: none of these drops is an answer.
    drop(window, 0, 0);
    drop(window, 0, 1);
    dropOn(label4(window, 2), QStringLiteral("Label4(2)"));
    dropOn(label4(window, 2), QStringLiteral("Label3(7)"));
    QCOMPARE(random->remaining(), 0);
    QCOMPARE(env.state.NumeroEsatti, qint16(1));
    QCOMPARE(env.state.NumeroErrati, qint16(0));
    QCOMPARE(label4(window, 0)->text(), QStringLiteral("bello - grazioso"));
    QCOMPARE(env.sound->playedNames(), QStringList{"si4.wav"});
}

void SynonymMatchingTest::theIndexDecidesEvenBetweenEqualPairs() {
    TestEnvironment env;
    env.writeList(QStringLiteral("sinonimi.txt"),
                  QStringLiteral("bello,grazioso\nbello,grazioso\nveloce,rapido\ncasa,abitazione\n"
                                 "paura,timore\nstrada,via\nfinire,terminare\n"));
    QList<float> turno;
    for (int k = 1; k <= 7; ++k)
        turno << pickWhole(k, 7);
    turno << pickWhole(1, 18);
    for (int r = 0; r < 7; ++r)
        turno << pickIndex(r, 7);
    ScriptedRandomSource* random = env.scriptRandom(turno);
    ExerciseWindow* window = apriForm2();
    QVERIFY(window);
    QCOMPARE(label4(window, 0)->text(), label4(window, 1)->text());
    QCOMPARE(label3(window, 0)->text(), label3(window, 1)->text());
    drop(window, 1, 0);
    QCOMPARE(env.state.NumeroErrati, qint16(1));
    QCOMPARE(label4(window, 0)->text(), QStringLiteral("bello"));
    random->append({pickWhole(2, 18), pickWhole(1, 4)});
    drop(window, 1, 1);
    QCOMPARE(env.state.NumeroEsatti, qint16(1));
    QCOMPARE(label4(window, 1)->text(), QStringLiteral("bello - grazioso"));
    QCOMPARE(label4(window, 0)->text(), QStringLiteral("bello"));
    QCOMPARE(random->remaining(), 0);
}

void SynonymMatchingTest::seventhRightDropFinishesTheItem_data() {
    QTest::addColumn<int>("attende");
    QTest::newRow("waits for avanti") << -1;
    QTest::newRow("moves on by itself") << 0;
}

void SynonymMatchingTest::seventhRightDropFinishesTheItem() {
    QFETCH(int, attende);
    TestEnvironment env;
    env.state.AttendeBottone = qint16(attende);
    env.writeList(QStringLiteral("sinonimi.txt"), kSinonimi);
    ScriptedRandomSource* random = env.scriptRandom(kPrimoTurno);
    ExerciseWindow* window = apriForm2();
    QVERIFY(window);
    QCOMPARE(window->bottoneAvanti()->isVisible(), attende != 0);
    for (int k = 0; k < 6; ++k) {
        random->append({pickWhole(1, 4)});
        drop(window, k, k);
    }
    QVERIFY(!window->bottoneAvanti()->isEnabled());
    // The next deal: rows 8, 6, 1, 2, 3, 4, 5; colour slot 6; Label3(k) in row k.
    const QList<float> secondoTurno = {
        pickWhole(8, 9), pickWhole(6, 9), pickWhole(1, 9),  pickWhole(2, 9), pickWhole(3, 9),
        pickWhole(4, 9), pickWhole(5, 9), pickWhole(6, 18), pickIndex(0, 7), pickIndex(0, 7),
        pickIndex(0, 7), pickIndex(0, 7), pickIndex(0, 7),  pickIndex(0, 7), pickIndex(0, 7)};
    random->append({pickWhole(2, 4)});
    if (attende == 0)
        random->append(secondoTurno);
    drop(window, 6, 6);
    QCOMPARE(random->remaining(), 0);
    QCOMPARE(testo(window, "EtichettaEsatti"), QStringLiteral(" 7"));
    QCOMPARE(env.state.NumeroEsatti, qint16(7));

    if (attende != 0) {
        QVERIFY(window->bottoneAvanti()->isEnabled());
        for (int k = 0; k < 7; ++k) {
            QCOMPARE(label4(window, k)->text(),
                     kParole[k] + QStringLiteral(" - ") + kSinonimiScelti[k]);
            QCOMPARE(backColour(label4(window, k)), Colori::GialloPallido);
            QVERIFY(!label3(window, k)->isEnabled());
        }
        random->append(secondoTurno);
        QTest::mouseClick(window->bottoneAvanti(), Qt::LeftButton);
        QCOMPARE(random->remaining(), 0);
        QVERIFY(!window->bottoneAvanti()->isEnabled());
    }
    const QStringList parole = {"finire", "strada", "allegro", "veloce", "bello", "casa", "paura"};
    const QStringList sinonimi = {"terminare", "via",        "contento", "rapido",
                                  "grazioso",  "abitazione", "timore"};
    QCOMPARE(window->backColour(), quint32(0xC0FFFF));
    for (int k = 0; k < 7; ++k) {
        QCOMPARE(label4(window, k)->text(), parole[k]);
        QCOMPARE(label4(window, k)->font().pointSizeF(), 16.0);
        QCOMPARE(backColour(label4(window, k)), Colori::Bianco);
        QCOMPARE(label3(window, k)->text(), sinonimi[k]);
        QCOMPARE(topTwips(label3(window, k)), 100 + 950 * k);
        QVERIFY(label3(window, k)->isEnabled());
    }
    // The last answer's picture stays across the change of item.
    QVERIFY(window->control(QStringLiteral("ComandoIconaSi"))->isVisible());
}

void SynonymMatchingTest::activationDealsOncePerOpening() {
    TestEnvironment env;
    env.writeList(QStringLiteral("sinonimi.txt"), kSinonimi);
    ScriptedRandomSource* random = env.scriptRandom(kPrimoTurno);
    ExerciseWindow* window = apriForm2();
    QVERIFY(window);
    // Spare values: a second deal would take them.
    random->append({0.5f, 0.5f, 0.5f});
    MessageBoxAnswerer answerer;
    answerer.answerNext(QStringLiteral("OK"));
    window->findChild<QAction*>(QStringLiteral("MenuInformazioni"))->trigger();
    QVERIFY(answerer.waitUntilAnswered());
    answerer.answerNext(QStringLiteral("No"));
    window->findChild<QAction*>(QStringLiteral("mnuEsci"))->trigger();
    QVERIFY(answerer.waitUntilAnswered());
    QCOMPARE(answerer.texts().size(), 2);
    QApplication::processEvents();
    window->activateWindow();
    QApplication::processEvents();
    QCOMPARE(random->remaining(), 3);
    QVERIFY(window->isVisible());
    for (int k = 0; k < 7; ++k)
        QCOMPARE(label3(window, k)->text(), kSinonimiScelti[k]);
}

void SynonymMatchingTest::listsThatCannotFillAnItemAreRefused_data() {
    QTest::addColumn<QString>("contenuto");
    QTest::addColumn<QString>("messaggio");
    QString sei;
    for (int n = 1; n <= 6; ++n)
        sei += QStringLiteral("parola%1,sinonimo%1\n").arg(n);
    QTest::newRow("six records")
        << sei
        << QStringLiteral("Il file testi/sinonimi.txt contiene solo 6 voci: per questo esercizio "
                          "ne servono almeno 7.");
    QTest::newRow("empty") << QString()
                           << QStringLiteral(
                                  "Il file testi/sinonimi.txt non contiene nessuna voce: "
                                  "per questo esercizio ne servono almeno 7.");
    QString troppe;
    for (int n = 1; n <= 201; ++n)
        troppe += QStringLiteral("parola%1,sinonimo%1\n").arg(n);
    QTest::newRow("201 records") << troppe << QStringLiteral("al massimo 200");
    QTest::newRow("missing") << QStringLiteral("(none)")
                             << QStringLiteral("Non trovo il file testi/sinonimi.txt");
}

void SynonymMatchingTest::listsThatCannotFillAnItemAreRefused() {
    QFETCH(QString, contenuto);
    QFETCH(QString, messaggio);
    TestEnvironment env;
    if (contenuto != QLatin1String("(none)"))
        env.writeList(QStringLiteral("sinonimi.txt"), contenuto);
    ScriptedRandomSource* random = env.scriptRandom({0.5f});
    MessageBoxAnswerer answerer;
    answerer.answerNext(QStringLiteral("OK"));
    QVERIFY(!Navigazione::apriEsercizio(2, nullptr));
    QCOMPARE(answerer.titles(), QStringList{QStringLiteral("Vocario")});
    QVERIFY2(answerer.texts().value(0).contains(messaggio), qPrintable(answerer.texts().value(0)));
    QVERIFY(TestEnvironment::visibleWindows().isEmpty());
    QCOMPARE(random->remaining(), 1); // nothing was dealt
}

void SynonymMatchingTest::twoHundredRecordsAreReadAndNumeroParoleIsLeftAlone() {
    TestEnvironment env;
    QString duecento;
    for (int n = 1; n <= 200; ++n)
        duecento += QStringLiteral("parola%1,sinonimo%1\n").arg(n);
    env.writeList(QStringLiteral("sinonimi.txt"), duecento);
    QList<float> turno = {pickWhole(200, 200), pickWhole(1, 200), pickWhole(100, 200),
                          pickWhole(2, 200),   pickWhole(3, 200), pickWhole(4, 200),
                          pickWhole(5, 200),   pickWhole(1, 18)};
    for (int r = 0; r < 7; ++r)
        turno << pickIndex(r, 7);
    env.scriptRandom(turno);
    ExerciseWindow* window = apriForm2();
    QVERIFY(window);
    QCOMPARE(label4(window, 0)->text(), QStringLiteral("parola200"));
    QCOMPARE(label3(window, 2)->text(), QStringLiteral("sinonimo100"));
    QCOMPARE(qobject_cast<Form2Sinonimi*>(window)->modello().NumeroParole, qint16(200));
}

QTEST_MAIN(SynonymMatchingTest)
#include "tst_synonymmatching.moc"
