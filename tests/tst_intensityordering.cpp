#include "dragmatchtesting.h"
#include "messageboxanswerer.h"
#include "testenvironment.h"

#include "app/navigazione.h"
#include "colours/colori.h"
#include "colours/widgetcolours.h"
#include "core/appstate.h"
#include "exercises/matching/form7gradi.h"
#include "frame/exercisewindow.h"
#include "geometry/twipsgeometry.h"
#include "layouts/designlabel.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace vocario;
using namespace vocario::testing;

namespace {

const QString kGradi = QStringLiteral("tiepido,caldo\n"
                                      "fresco,freddo\n"
                                      "simpatico,adorabile\n");

ExerciseWindow* apriForm7() {
    if (!Navigazione::apriEsercizio(7, nullptr))
        return nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("Form7") && widget->isVisible())
            return qobject_cast<ExerciseWindow*>(widget);
    return nullptr;
}

QString esatti(ExerciseWindow* window) {
    return window->etichettaEsatti()->text();
}

// One deal: colour slot, record, side (1: Label3(0) on the left).
QList<float> turno(int colour, int record, int side) {
    return {pickWhole(colour, 18), pickWhole(record, 3), pickWhole(side, 2)};
}

} // namespace

class IntensityOrderingTest : public QObject {
    Q_OBJECT
  private slots:
    void dealShowsOneRecordOnTheDrawnSides_data();
    void dealShowsOneRecordOnTheDrawnSides();
    void countGrowsOncePerItemAndShowsItAtOnce_data();
    void countGrowsOncePerItemAndShowsItAtOnce();
    void theIndexDecidesWhereverTheWordStands();
    void wrongDropsKeepTheBackgroundBlackUntilTheNextItem();
    void soundOffSilencesWithoutDrawing();
    void listsWithoutARecordAreRefused_data();
    void listsWithoutARecordAreRefused();
};

void IntensityOrderingTest::dealShowsOneRecordOnTheDrawnSides_data() {
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("leftOfLess");
    QTest::addColumn<int>("leftOfMore");
    QTest::newRow("less intense on the left") << 1 << 210 << 3570;
    QTest::newRow("less intense on the right") << 2 << 3570 << 210;
}

void IntensityOrderingTest::dealShowsOneRecordOnTheDrawnSides() {
    QFETCH(int, side);
    QFETCH(int, leftOfLess);
    QFETCH(int, leftOfMore);
    TestEnvironment env;
    env.writeList(QStringLiteral("gradi.txt"), kGradi);
    ScriptedRandomSource* random = env.scriptRandom(turno(9, 3, side));
    ExerciseWindow* window = apriForm7();
    QVERIFY(window);
    QCOMPARE(random->remaining(), 0);
    QCOMPARE(window->backColour(), quint32(0x80FF80));
    const ModelloGradi& modello = qobject_cast<Form7Gradi*>(window)->modello();
    QCOMPARE(modello.NumeroParole, qint16(3));
    QCOMPARE(modello.Estratto, qint16(3)); // the record; the side shows in the places
    QCOMPARE(label3(window, 0)->text(), QStringLiteral("simpatico"));
    QCOMPARE(label3(window, 1)->text(), QStringLiteral("adorabile"));
    QCOMPARE(leftTwips(label3(window, 0)), leftOfLess);
    QCOMPARE(leftTwips(label3(window, 1)), leftOfMore);
    for (int k = 0; k < 2; ++k) {
        QCOMPARE(topTwips(label3(window, k)), 840);
        QVERIFY(label3(window, k)->isEnabled());
        QVERIFY(label3(window, k)->isDraggable());
        QCOMPARE(label4(window, k)->text(), QString());
        QCOMPARE(backColour(label4(window, k)), Colori::GialloPallido);
        QVERIFY(label4(window, k)->acceptDrops());
    }
    QCOMPARE(leftTwips(label4(window, 0)), 210);
    QCOMPARE(leftTwips(label4(window, 1)), 3570);
    QCOMPARE(esatti(window), QStringLiteral("0"));
    QCOMPARE(window->etichettaErrati()->text(), QStringLiteral("0"));
    QCOMPARE(window->control<QLabel>(QStringLiteral("Label5"))->text(),
             QStringLiteral("meno intenso") + QString(37, u' ') + QStringLiteral("più intenso"));
}

void IntensityOrderingTest::countGrowsOncePerItemAndShowsItAtOnce_data() {
    QTest::addColumn<int>("attende");
    QTest::newRow("waits for avanti") << -1;
    QTest::newRow("moves on by itself") << 0;
}

void IntensityOrderingTest::countGrowsOncePerItemAndShowsItAtOnce() {
    QFETCH(int, attende);
    TestEnvironment env;
    env.state.AttendeBottone = qint16(attende);
    env.writeList(QStringLiteral("gradi.txt"), kGradi);
    ScriptedRandomSource* random = env.scriptRandom(turno(1, 1, 1));
    ExerciseWindow* window = apriForm7();
    QVERIFY(window);
    QPushButton* avanti = window->bottoneAvanti();
    QCOMPARE(avanti->isVisible(), attende != 0);

    random->append({pickWhole(2, 4)});
    drop(window, 1, 1);
    QCOMPARE(esatti(window), QStringLiteral(" 0"));
    QCOMPARE(env.state.NumeroEsatti, qint16(0));
    QCOMPARE(label4(window, 1)->text(), QStringLiteral("caldo"));
    QCOMPARE(label3(window, 1)->text(), QString());
    QVERIFY(!label3(window, 1)->isEnabled());
    QVERIFY(window->control(QStringLiteral("ComandoIconaSi"))->isVisible());

    random->append({pickWhole(4, 4)});
    const QList<float> secondo = turno(12, 2, 2);
    if (attende == 0)
        random->append(secondo);
    drop(window, 0, 0);
    QCOMPARE(env.state.NumeroEsatti, qint16(1));
    QCOMPARE(esatti(window), QStringLiteral(" 1"));
    QCOMPARE(
        QAccessible::queryAccessibleInterface(window->etichettaEsatti())->text(QAccessible::Name),
        QStringLiteral("Esatti: 1"));
    if (attende != 0) {
        QVERIFY(avanti->isEnabled());
        QCOMPARE(label4(window, 0)->text(), QStringLiteral("tiepido"));
        QCOMPARE(label4(window, 1)->text(), QStringLiteral("caldo"));
        QVERIFY(!label3(window, 0)->isEnabled());
        random->append(secondo);
        QTest::mouseClick(avanti, Qt::LeftButton);
        QVERIFY(!avanti->isEnabled());
    }
    QCOMPARE(random->remaining(), 0);
    QCOMPARE(window->backColour(), quint32(0xFFFF00));
    QCOMPARE(label3(window, 0)->text(), QStringLiteral("fresco"));
    QCOMPARE(label3(window, 1)->text(), QStringLiteral("freddo"));
    QCOMPARE(leftTwips(label3(window, 0)), 3570);
    QCOMPARE(label4(window, 0)->text(), QString());
    QCOMPARE(label4(window, 1)->text(), QString());
    QVERIFY(label3(window, 0)->isEnabled());
    QVERIFY(label3(window, 1)->isEnabled());
    QCOMPARE(esatti(window), QStringLiteral(" 1"));

    random->append({pickWhole(1, 4), pickWhole(3, 4)});
    random->append(turno(5, 1, 1));
    drop(window, 0, 0);
    QCOMPARE(esatti(window), QStringLiteral(" 1"));
    drop(window, 1, 1);
    QCOMPARE(env.state.NumeroEsatti, qint16(2));
    QCOMPARE(esatti(window), QStringLiteral(" 2"));
    if (attende != 0) {
        QCOMPARE(random->remaining(), 3);
        QTest::mouseClick(avanti, Qt::LeftButton);
    }
    QCOMPARE(random->remaining(), 0);
    QCOMPARE(env.sound->playedNames(), (QStringList{"si2.wav", "si4.wav", "si1.wav", "si3.wav"}));
    QCOMPARE(env.state.NumeroErrati, qint16(0));
}

void IntensityOrderingTest::theIndexDecidesWhereverTheWordStands() {
    TestEnvironment env;
    // Both words equal: only the index tells them apart.
    env.writeList(QStringLiteral("gradi.txt"), QStringLiteral("grande,grande\n"));
    ScriptedRandomSource* random = env.scriptRandom({pickWhole(3, 18), 0.9f, pickWhole(2, 2)});
    ExerciseWindow* window = apriForm7();
    QVERIFY(window);
    QCOMPARE(random->remaining(), 0);
    // Label3(1) stands on the left, over the "meno intenso" place.
    QCOMPARE(leftTwips(label3(window, 1)), 210);
    drop(window, 1, 0);
    QCOMPARE(env.state.NumeroErrati, qint16(1));
    QCOMPARE(label4(window, 0)->text(), QString());
    QCOMPARE(label3(window, 1)->text(), QStringLiteral("grande"));
    QVERIFY(label3(window, 1)->isEnabled());
    QCOMPARE(leftTwips(label3(window, 1)), 210);
    random->append({pickWhole(1, 4)});
    drop(window, 1, 1);
    QCOMPARE(label4(window, 1)->text(), QStringLiteral("grande"));
    // A filled place takes no other word.
    drop(window, 0, 1);
    QCOMPARE(env.state.NumeroErrati, qint16(2));
    QCOMPARE(label4(window, 1)->text(), QStringLiteral("grande"));
    QCOMPARE(label3(window, 0)->text(), QStringLiteral("grande"));
    // The placed word cannot be dropped again.
    drop(window, 1, 1);
    QCOMPARE(random->remaining(), 0);
    QCOMPARE(env.state.NumeroErrati, qint16(2));
    QCOMPARE(env.sound->playedNames(), (QStringList{"no.wav", "si1.wav", "no.wav"}));
}

void IntensityOrderingTest::wrongDropsKeepTheBackgroundBlackUntilTheNextItem() {
    TestEnvironment env;
    env.state.AttendeBottone = -1;
    env.writeList(QStringLiteral("gradi.txt"), kGradi);
    ScriptedRandomSource* random = env.scriptRandom(turno(7, 2, 1));
    ExerciseWindow* window = apriForm7();
    QVERIFY(window);
    drop(window, 0, 1);
    QCOMPARE(window->backColour(), Colori::Nero);
    QCOMPARE(window->etichettaErrati()->text(), QStringLiteral(" 1"));
    QVERIFY(window->control(QStringLiteral("ComandoIconaNo"))->isVisible());
    QVERIFY(!window->control(QStringLiteral("ComandoIconaSi"))->isVisible());
    // The texts on the window's background turn white on black.
    for (const char* text : {"Label6", "Label5", "Label1", "Label2"})
        QCOMPARE(foreColour(window->control(QLatin1String(text))), Colori::Bianco);
    QCOMPARE(foreColour(window->etichettaErrati()), Colori::Bianco);

    random->append({pickWhole(1, 4), pickWhole(2, 4)});
    drop(window, 0, 0);
    drop(window, 1, 1);
    QCOMPARE(random->remaining(), 0); // no colour drawn by the right drops
    QCOMPARE(window->backColour(), Colori::Nero);
    QVERIFY(window->bottoneAvanti()->isEnabled());
    QCOMPARE(window->etichettaErrati()->text(), QStringLiteral(" 1"));

    random->append(turno(13, 3, 1));
    QTest::mouseClick(window->bottoneAvanti(), Qt::LeftButton);
    QCOMPARE(random->remaining(), 0);
    QCOMPARE(window->backColour(), quint32(0xFFC0C0));
    QCOMPARE(foreColour(window->control(QStringLiteral("Label6"))), Colori::Nero);
}

void IntensityOrderingTest::soundOffSilencesWithoutDrawing() {
    TestEnvironment env;
    env.writeList(QStringLiteral("gradi.txt"), kGradi);
    ScriptedRandomSource* random = env.scriptRandom(turno(2, 1, 2));
    ExerciseWindow* window = apriForm7();
    QVERIFY(window);
    window->findChild<QAction*>(QStringLiteral("mnuSuonoNo"))->trigger();
    drop(window, 1, 0);
    drop(window, 0, 0);
    QCOMPARE(random->remaining(), 0);
    QVERIFY(env.sound->played.isEmpty());
    QCOMPARE(esatti(window), QStringLiteral(" 0"));
    QCOMPARE(window->etichettaErrati()->text(), QStringLiteral(" 1"));
    QCOMPARE(label4(window, 0)->text(), QStringLiteral("tiepido"));
}

void IntensityOrderingTest::listsWithoutARecordAreRefused_data() {
    QTest::addColumn<QString>("contenuto");
    QTest::addColumn<QString>("messaggio");
    QTest::newRow("empty") << QString()
                           << QStringLiteral("Il file testi/gradi.txt non contiene nessuna voce: "
                                             "per questo esercizio ne serve almeno una.");
    QTest::newRow("one field only")
        << QStringLiteral("tiepido\n") << QStringLiteral("finisce a metà di una voce");
    QTest::newRow("missing") << QStringLiteral("(none)")
                             << QStringLiteral("Non trovo il file testi/gradi.txt");
}

void IntensityOrderingTest::listsWithoutARecordAreRefused() {
    QFETCH(QString, contenuto);
    QFETCH(QString, messaggio);
    TestEnvironment env;
    if (contenuto != QLatin1String("(none)"))
        env.writeList(QStringLiteral("gradi.txt"), contenuto);
    ScriptedRandomSource* random = env.scriptRandom({0.5f});
    MessageBoxAnswerer answerer;
    answerer.answerNext(QStringLiteral("OK"));
    QVERIFY(!Navigazione::apriEsercizio(7, nullptr));
    QCOMPARE(answerer.titles(), QStringList{QStringLiteral("Vocario")});
    QVERIFY2(answerer.texts().value(0).contains(messaggio), qPrintable(answerer.texts().value(0)));
    QVERIFY(TestEnvironment::visibleWindows().isEmpty());
    QCOMPARE(random->remaining(), 1);
}

QTEST_MAIN(IntensityOrderingTest)
#include "tst_intensityordering.moc"
