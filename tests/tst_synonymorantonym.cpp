#include "messageboxanswerer.h"
#include "testenvironment.h"

#include "app/navigazione.h"
#include "colours/colori.h"
#include "colours/widgetcolours.h"
#include "core/appstate.h"
#include "exercises/choice/form3sinonimicontrari.h"
#include "layouts/designtextbox.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace vocario;
using namespace vocario::testing;

namespace {

const QString kSinonimi = QStringLiteral("allegro, contento\n"
                                         "veloce, rapido\n"
                                         "\"bello, molto\", stupendo\n");
const QString kContrari = QStringLiteral("alto, basso\n"
                                         "caldo, freddo\n"
                                         "pieno, vuoto\n"
                                         "aperto, chiuso\n");

Form3SinonimiContrari* apriForm3() {
    if (!Navigazione::apriEsercizio(3, nullptr))
        return nullptr;
    const QList<QWidget*> windows = TestEnvironment::visibleWindows();
    return windows.size() == 1 ? qobject_cast<Form3SinonimiContrari*>(windows.first()) : nullptr;
}

struct Form3Controls {
    explicit Form3Controls(Form3SinonimiContrari* w)
        : text1(w->control<DesignTextBox>(QStringLiteral("Text1"))),
          sinonimi(w->control<QPushButton>(QStringLiteral("Bottone1"))),
          contrari(w->control<QPushButton>(QStringLiteral("Bottone2"))),
          avanti(w->bottoneAvanti()) {}
    DesignTextBox* text1;
    QPushButton* sinonimi;
    QPushButton* contrari;
    QPushButton* avanti;
};

void click(QPushButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

class SynonymOrAntonymTest : public QObject {
    Q_OBJECT
  private slots:
    void dealDrawsColourThenListThenPair_data();
    void dealDrawsColourThenListThenPair();
    void wrongWrongRightWaitsForAvantiWithTheButtonsLocked();
    void wrongWrongRightWithoutAvantiDealsAtOnce();
    void unusableListsRefuseTheOpening_data();
    void unusableListsRefuseTheOpening();
};

void SynonymOrAntonymTest::dealDrawsColourThenListThenPair_data() {
    QTest::addColumn<int>("colour");
    QTest::addColumn<int>("estratto");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("record");
    QTest::addColumn<QString>("shown");
    QTest::newRow("first synonym") << 5 << 1 << 3 << 1 << QStringLiteral("allegro / contento");
    QTest::newRow("quoted synonym")
        << 16 << 1 << 3 << 3 << QStringLiteral("bello, molto / stupendo");
    // The antonym draw runs over the four antonyms, not the three synonyms.
    QTest::newRow("last antonym") << 14 << 2 << 4 << 4 << QStringLiteral("aperto / chiuso");
    QTest::newRow("second antonym") << 1 << 2 << 4 << 2 << QStringLiteral("caldo / freddo");
}

void SynonymOrAntonymTest::dealDrawsColourThenListThenPair() {
    QFETCH(int, colour);
    QFETCH(int, estratto);
    QFETCH(int, count);
    QFETCH(int, record);
    QFETCH(QString, shown);
    TestEnvironment env;
    env.state.AttendeBottone = -1;
    env.writeList(QStringLiteral("sinonimi.txt"), kSinonimi);
    env.writeList(QStringLiteral("contrari.txt"), kContrari);
    ScriptedRandomSource* random =
        env.scriptRandom({pickWhole(colour, 18), pickWhole(estratto, 2), pickWhole(record, count)});
    Form3SinonimiContrari* window = apriForm3();
    QVERIFY(window);
    const Form3Controls c(window);

    QCOMPARE(random->remaining(), 0);
    QCOMPARE(window->backColour(), Colori::Tavolozza[size_t(colour)]);
    QCOMPARE(window->modello().Estratto, qint16(estratto));
    QCOMPARE(c.text1->text(), shown);
    QCOMPARE(c.sinonimi->text(), QStringLiteral("sinonimi"));
    QCOMPARE(c.contrari->text(), QStringLiteral("contrari"));
    QCOMPARE(backColour(c.sinonimi), Colori::GrigioChiaro);
    QCOMPARE(backColour(c.contrari), Colori::FacciaBottone);
    QVERIFY(c.sinonimi->isEnabled() && c.contrari->isEnabled());
    QVERIFY(c.avanti->isVisible() && !c.avanti->isEnabled());
    QCOMPARE(window->etichettaEsatti()->text(), QStringLiteral("0"));
    QCOMPARE(window->etichettaErrati()->text(), QStringLiteral("0"));
    // The pupil reads the pair but cannot edit it.
    QVERIFY(c.text1->isReadOnly());
    QVERIFY(c.text1->isEnabled());
}

void SynonymOrAntonymTest::wrongWrongRightWaitsForAvantiWithTheButtonsLocked() {
    TestEnvironment env;
    env.state.AttendeBottone = -1;
    env.writeList(QStringLiteral("sinonimi.txt"), kSinonimi);
    env.writeList(QStringLiteral("contrari.txt"), kContrari);
    ScriptedRandomSource* random =
        env.scriptRandom({pickWhole(9, 18), pickWhole(2, 2), pickWhole(3, 4), pickWhole(2, 4)});
    Form3SinonimiContrari* window = apriForm3();
    QVERIFY(window);
    const Form3Controls c(window);
    QCOMPARE(c.text1->text(), QStringLiteral("pieno / vuoto"));

    click(c.sinonimi);
    click(c.sinonimi);
    QCOMPARE(env.state.NumeroErrati, qint16(2));
    QCOMPARE(window->etichettaErrati()->text(), QStringLiteral(" 2"));
    QCOMPARE(window->backColour(), Colori::Nero);
    QCOMPARE(c.text1->text(), QStringLiteral("pieno / vuoto"));
    QVERIFY(c.sinonimi->isEnabled() && c.contrari->isEnabled());
    QVERIFY(!c.avanti->isEnabled());

    click(c.contrari);
    QCOMPARE(env.state.NumeroEsatti, qint16(1));
    QCOMPARE(window->etichettaEsatti()->text(), QStringLiteral(" 1"));
    QCOMPARE(env.sound->playedNames(),
             QStringList(
                 {QStringLiteral("no.wav"), QStringLiteral("no.wav"), QStringLiteral("si2.wav")}));
    // No restore of the background on this window: black until "avanti".
    QCOMPARE(window->backColour(), Colori::Nero);
    QCOMPARE(backColour(c.contrari), Colori::Rosso);
    QCOMPARE(backColour(c.sinonimi), Colori::GrigioChiaro);
    QVERIFY(!c.sinonimi->isEnabled() && !c.contrari->isEnabled());
    QVERIFY(c.avanti->isEnabled());
    QCOMPARE(random->remaining(), 0);

    // Locked buttons ignore presses: no count, no sound, no draw.
    click(c.contrari);
    click(c.sinonimi);
    QCOMPARE(env.state.NumeroEsatti, qint16(1));
    QCOMPARE(env.state.NumeroErrati, qint16(2));
    QCOMPARE(env.sound->playedNames().size(), 3);

    random->append({pickWhole(7, 18), pickWhole(1, 2), pickWhole(2, 3)});
    click(c.avanti);
    QCOMPARE(random->remaining(), 0);
    QVERIFY(!c.avanti->isEnabled());
    QCOMPARE(backColour(c.sinonimi), Colori::GrigioChiaro);
    QCOMPARE(backColour(c.contrari), Colori::GrigioChiaro);
    QVERIFY(c.sinonimi->isEnabled() && c.contrari->isEnabled());
    QCOMPARE(window->backColour(), Colori::Tavolozza[7]);
    QCOMPARE(window->modello().Estratto, ModelloSinonimiContrari::kSinonimi);
    QCOMPARE(c.text1->text(), QStringLiteral("veloce / rapido"));

    // A right answer in the new item paints "sinonimi" red this time.
    random->append({pickWhole(4, 4)});
    click(c.sinonimi);
    QCOMPARE(backColour(c.sinonimi), Colori::Rosso);
    QCOMPARE(backColour(c.contrari), Colori::GrigioChiaro);
    QCOMPARE(window->etichettaEsatti()->text(), QStringLiteral(" 2"));
    QCOMPARE(env.sound->playedNames().last(), QStringLiteral("si4.wav"));
}

void SynonymOrAntonymTest::wrongWrongRightWithoutAvantiDealsAtOnce() {
    TestEnvironment env;
    env.state.AttendeBottone = 0;
    env.writeList(QStringLiteral("sinonimi.txt"), kSinonimi);
    env.writeList(QStringLiteral("contrari.txt"), kContrari);
    ScriptedRandomSource* random =
        env.scriptRandom({pickWhole(9, 18), pickWhole(1, 2), pickWhole(2, 3)});
    Form3SinonimiContrari* window = apriForm3();
    QVERIFY(window);
    const Form3Controls c(window);
    QVERIFY(c.avanti->isHidden());
    QCOMPARE(c.text1->text(), QStringLiteral("veloce / rapido"));

    click(c.contrari);
    click(c.contrari);
    QCOMPARE(window->etichettaErrati()->text(), QStringLiteral(" 2"));
    QCOMPARE(window->backColour(), Colori::Nero);

    // Sound, then the next item: colour, list, pair.
    random->append({pickWhole(1, 4), pickWhole(12, 18), pickWhole(2, 2), pickWhole(1, 4)});
    click(c.sinonimi);
    QCOMPARE(random->remaining(), 0);
    QCOMPARE(window->etichettaEsatti()->text(), QStringLiteral(" 1"));
    QCOMPARE(env.sound->playedNames().last(), QStringLiteral("si1.wav"));
    QCOMPARE(window->backColour(), Colori::Tavolozza[12]);
    QCOMPARE(window->modello().Estratto, ModelloSinonimiContrari::kContrari);
    QCOMPARE(c.text1->text(), QStringLiteral("alto / basso"));
    QCOMPARE(backColour(c.sinonimi), Colori::GrigioChiaro);
    QCOMPARE(backColour(c.contrari), Colori::FacciaBottone);
    QVERIFY(c.sinonimi->isEnabled() && c.contrari->isEnabled());
    QVERIFY(c.avanti->isHidden());
}

void SynonymOrAntonymTest::unusableListsRefuseTheOpening_data() {
    QTest::addColumn<QString>("sinonimi");
    QTest::addColumn<QString>("contrari");
    QTest::addColumn<QString>("reason");
    const QString missing = QStringLiteral("<missing>");
    QTest::newRow("no synonyms") << QString() << kContrari
                                 << QStringLiteral("testi/sinonimi.txt non contiene nessuna voce");
    QTest::newRow("no antonyms") << kSinonimi << QStringLiteral("\n")
                                 << QStringLiteral("testi/contrari.txt non contiene nessuna voce");
    QTest::newRow("antonyms missing") << kSinonimi << missing << QStringLiteral("contrari.txt");
    QTest::newRow("synonyms missing") << missing << kContrari << QStringLiteral("sinonimi.txt");
    QTest::newRow("antonym record cut short")
        << kSinonimi << QStringLiteral("alto, basso\ncaldo\n") << QStringLiteral("contrari.txt");
}

void SynonymOrAntonymTest::unusableListsRefuseTheOpening() {
    QFETCH(QString, sinonimi);
    QFETCH(QString, contrari);
    QFETCH(QString, reason);
    TestEnvironment env;
    if (sinonimi != QLatin1String("<missing>"))
        env.writeList(QStringLiteral("sinonimi.txt"), sinonimi);
    if (contrari != QLatin1String("<missing>"))
        env.writeList(QStringLiteral("contrari.txt"), contrari);
    ScriptedRandomSource* random = env.scriptRandom({});

    MessageBoxAnswerer answerer;
    answerer.answerNext(QStringLiteral("OK"));
    QVERIFY(!Navigazione::apriEsercizio(3, nullptr));
    QCOMPARE(answerer.pending(), 0);
    QCOMPARE(answerer.titles(), QStringList({QStringLiteral("Vocario")}));
    QVERIFY2(answerer.texts().first().contains(reason), qPrintable(answerer.texts().first()));
    QVERIFY(TestEnvironment::visibleWindows().isEmpty());
    QCOMPARE(random->remaining(), 0);
}

QTEST_MAIN(SynonymOrAntonymTest)
#include "tst_synonymorantonym.moc"
