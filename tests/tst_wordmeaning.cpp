#include "messageboxanswerer.h"
#include "testenvironment.h"

#include "app/navigazione.h"
#include "colours/colori.h"
#include "colours/widgetcolours.h"
#include "core/appstate.h"
#include "exercises/choice/form9vocario.h"
#include "geometry/twipsgeometry.h"
#include "layouts/designtextbox.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

using namespace vocario;
using namespace vocario::testing;

namespace {

const QString kVocario =
    QStringLiteral("Il gatto sonnecchia sul divano., sonnecchiare, dormire leggermente, "
                   "correre veloce, mangiare molto\n"
                   "\"Ho fame, molta fame.\", avere fame, voler mangiare, essere stanco, "
                   "avere freddo\n"
                   "La strada era deserta., deserta, senza nessuno, piena di gente, "
                   "molto lunga\n");

Form9Vocario* apriForm9() {
    if (!Navigazione::apriEsercizio(9, nullptr))
        return nullptr;
    const QList<QWidget*> windows = TestEnvironment::visibleWindows();
    return windows.size() == 1 ? qobject_cast<Form9Vocario*>(windows.first()) : nullptr;
}

QPushButton* bottone(Form9Vocario* window, int i) {
    return window->member<QPushButton>(QStringLiteral("Bottone"), i);
}

void click(QPushButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

/// The three values of one deal: colour, row, and the three place draws.
QList<float> deal(int colour, int row, int rows, QList<int> places) {
    QList<float> values{pickWhole(colour, 18), pickWhole(row, rows)};
    for (int j : places)
        values << pickIndex(j, 3);
    return values;
}

QList<int> topsOf(Form9Vocario* window) {
    return {topTwips(bottone(window, 0)), topTwips(bottone(window, 1)),
            topTwips(bottone(window, 2))};
}

} // namespace

class WordMeaningTest : public QObject {
    Q_OBJECT
  private slots:
    void dealShowsTheDrawnRecord();
    void buttonsTakeThePlacesOfTheForwardSearch_data();
    void buttonsTakeThePlacesOfTheForwardSearch();
    void wrongWrongRightWaitsForAvantiWithTheButtonsLocked();
    void wrongWrongRightWithoutAvantiDealsAtOnce();
    void aSingleRecordIsEnough();
    void longTextsWrapAndStayWholeInsideTheirControls();
    void unusableListRefusesAndLeavesTheCountAlone_data();
    void unusableListRefusesAndLeavesTheCountAlone();
};

void WordMeaningTest::dealShowsTheDrawnRecord() {
    TestEnvironment env;
    env.state.AttendeBottone = -1;
    env.writeList(QStringLiteral("vocario.txt"), kVocario);
    ScriptedRandomSource* random = env.scriptRandom(deal(11, 2, 3, {0, 0, 0}));
    Form9Vocario* window = apriForm9();
    QVERIFY(window);
    QCOMPARE(random->remaining(), 0);
    QCOMPARE(window->modello().numeroVoci(), qint16(3));
    QCOMPARE(window->modello().tabella()[3][5], QStringLiteral("molto lunga"));
    QCOMPARE(window->backColour(), Colori::Tavolozza[11]);
    QCOMPARE(window->control<DesignTextBox>(QStringLiteral("Text1"))->text(),
             QStringLiteral("Ho fame, molta fame."));
    QCOMPARE(window->control<QLabel>(QStringLiteral("Label3"))->text(),
             QStringLiteral("avere fame   vuol dire"));
    QCOMPARE(bottone(window, 0)->text(), QStringLiteral("voler mangiare"));
    QCOMPARE(bottone(window, 1)->text(), QStringLiteral("essere stanco"));
    QCOMPARE(bottone(window, 2)->text(), QStringLiteral("avere freddo"));
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(backColour(bottone(window, i)), Colori::FacciaBottone);
        QVERIFY(bottone(window, i)->isEnabled());
        QCOMPARE(leftTwips(bottone(window, i)), 315);
    }
    QVERIFY(window->bottoneAvanti()->isVisible() && !window->bottoneAvanti()->isEnabled());
    QCOMPARE(window->etichettaEsatti()->text(), QStringLiteral("0"));
    QCOMPARE(window->etichettaErrati()->text(), QStringLiteral("0"));
}

void WordMeaningTest::buttonsTakeThePlacesOfTheForwardSearch_data() {
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QList<int>>("tops");
    QTest::newRow("0 0 0") << QList<int>{0, 0, 0} << QList<int>{1785, 2585, 3385};
    QTest::newRow("2 2 2") << QList<int>{2, 2, 2} << QList<int>{2585, 3385, 1785};
    QTest::newRow("2 1 0") << QList<int>{2, 1, 0} << QList<int>{3385, 2585, 1785};
    QTest::newRow("1 0 1") << QList<int>{1, 0, 1} << QList<int>{2585, 1785, 3385};
    QTest::newRow("0 2 0") << QList<int>{0, 2, 0} << QList<int>{1785, 3385, 2585};
    QTest::newRow("1 1 1") << QList<int>{1, 1, 1} << QList<int>{3385, 1785, 2585};
}

void WordMeaningTest::buttonsTakeThePlacesOfTheForwardSearch() {
    QFETCH(QList<int>, draws);
    QFETCH(QList<int>, tops);
    TestEnvironment env;
    env.state.AttendeBottone = 0;
    env.writeList(QStringLiteral("vocario.txt"), kVocario);
    env.scriptRandom(deal(3, 1, 3, draws));
    Form9Vocario* window = apriForm9();
    QVERIFY(window);
    QCOMPARE(topsOf(window), tops);
    // 2585 twips is no whole pixel: the place is kept as given.
    for (int i = 0; i < 3; ++i)
        QCOMPARE(bottone(window, i)->y(), qRound(tops[i] / 15.0));
}

void WordMeaningTest::wrongWrongRightWaitsForAvantiWithTheButtonsLocked() {
    TestEnvironment env;
    env.state.AttendeBottone = -1;
    env.writeList(QStringLiteral("vocario.txt"), kVocario);
    ScriptedRandomSource* random = env.scriptRandom(deal(5, 1, 3, {2, 2, 2}));
    Form9Vocario* window = apriForm9();
    QVERIFY(window);
    QPushButton* avanti = window->bottoneAvanti();

    click(bottone(window, 1));
    click(bottone(window, 2));
    QCOMPARE(env.state.NumeroErrati, qint16(2));
    QCOMPARE(window->etichettaErrati()->text(), QStringLiteral(" 2"));
    QCOMPARE(window->backColour(), Colori::Nero);
    for (int i = 0; i < 3; ++i)
        QVERIFY(bottone(window, i)->isEnabled());

    random->append({pickWhole(3, 4)});
    click(bottone(window, 0));
    QCOMPARE(random->remaining(), 0);
    QCOMPARE(env.state.NumeroEsatti, qint16(1));
    QCOMPARE(window->etichettaEsatti()->text(), QStringLiteral(" 1"));
    QCOMPARE(env.sound->playedNames(),
             QStringList(
                 {QStringLiteral("no.wav"), QStringLiteral("no.wav"), QStringLiteral("si3.wav")}));
    QCOMPARE(window->backColour(), Colori::Nero);
    QCOMPARE(backColour(bottone(window, 0)), Colori::Rosso);
    QCOMPARE(backColour(bottone(window, 1)), Colori::FacciaBottone);
    for (int i = 0; i < 3; ++i)
        QVERIFY(!bottone(window, i)->isEnabled());
    QVERIFY(avanti->isEnabled());

    for (int i = 0; i < 3; ++i)
        click(bottone(window, i));
    QCOMPARE(env.state.NumeroEsatti, qint16(1));
    QCOMPARE(env.state.NumeroErrati, qint16(2));
    QCOMPARE(env.sound->playedNames().size(), 3);
    QCOMPARE(window->control<QLabel>(QStringLiteral("Label3"))->text(),
             QStringLiteral("sonnecchiare   vuol dire"));

    random->append(deal(8, 3, 3, {1, 0, 1}));
    click(avanti);
    QCOMPARE(random->remaining(), 0);
    QVERIFY(!avanti->isEnabled());
    QCOMPARE(window->backColour(), Colori::Tavolozza[8]);
    QCOMPARE(topsOf(window), (QList<int>{2585, 1785, 3385}));
    QCOMPARE(bottone(window, 0)->text(), QStringLiteral("senza nessuno"));
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(backColour(bottone(window, i)), Colori::FacciaBottone);
        QVERIFY(bottone(window, i)->isEnabled());
    }
}

void WordMeaningTest::wrongWrongRightWithoutAvantiDealsAtOnce() {
    TestEnvironment env;
    env.state.AttendeBottone = 0;
    env.writeList(QStringLiteral("vocario.txt"), kVocario);
    ScriptedRandomSource* random = env.scriptRandom(deal(5, 3, 3, {0, 0, 0}));
    Form9Vocario* window = apriForm9();
    QVERIFY(window);
    QVERIFY(window->bottoneAvanti()->isHidden());

    click(bottone(window, 2));
    click(bottone(window, 2));
    QCOMPARE(window->etichettaErrati()->text(), QStringLiteral(" 2"));
    QCOMPARE(window->backColour(), Colori::Nero);

    random->append({pickWhole(2, 4)});
    random->append(deal(13, 2, 3, {2, 1, 0}));
    click(bottone(window, 0));
    QCOMPARE(random->remaining(), 0);
    QCOMPARE(window->etichettaEsatti()->text(), QStringLiteral(" 1"));
    QCOMPARE(env.sound->playedNames().last(), QStringLiteral("si2.wav"));
    QCOMPARE(window->backColour(), Colori::Tavolozza[13]);
    QCOMPARE(window->control<QLabel>(QStringLiteral("Label3"))->text(),
             QStringLiteral("avere fame   vuol dire"));
    QCOMPARE(topsOf(window), (QList<int>{3385, 2585, 1785}));
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(backColour(bottone(window, i)), Colori::FacciaBottone);
        QVERIFY(bottone(window, i)->isEnabled());
    }
    QVERIFY(window->bottoneAvanti()->isHidden());
}

void WordMeaningTest::aSingleRecordIsEnough() {
    TestEnvironment env;
    env.state.AttendeBottone = 0;
    env.writeList(QStringLiteral("vocario.txt"),
                  QStringLiteral("Che bella giornata!, giornata, il giorno, la notte, la sera\n"));
    ScriptedRandomSource* random = env.scriptRandom(deal(1, 1, 1, {1, 1, 1}));
    Form9Vocario* window = apriForm9();
    QVERIFY(window);
    QCOMPARE(topsOf(window), (QList<int>{3385, 1785, 2585}));
    random->append({pickWhole(1, 4)});
    random->append(deal(2, 1, 1, {0, 0, 0}));
    click(bottone(window, 0));
    QCOMPARE(random->remaining(), 0);
    QCOMPARE(window->control<DesignTextBox>(QStringLiteral("Text1"))->text(),
             QStringLiteral("Che bella giornata!"));
    QCOMPARE(topsOf(window), (QList<int>{1785, 2585, 3385}));
}

void WordMeaningTest::longTextsWrapAndStayWholeInsideTheirControls() {
    TestEnvironment env;
    env.state.AttendeBottone = 0;
    const QString sentence = QStringLiteral(
        "Dopo la lunga passeggiata nel bosco, sotto una pioggia che non smetteva mai, i "
        "bambini erano così esausti che si addormentarono appena arrivati a casa, senza "
        "nemmeno cenare");
    const QString meaning = QStringLiteral(
        "essere così stanchi da non avere più nessuna forza nelle gambe e nelle braccia");
    env.writeList(QStringLiteral("vocario.txt"),
                  QStringLiteral("\"%1\", stanchi, %2, affamati, allegri\n"
                                 "Era stanco., stanco, senza forze, affamato, allegro\n")
                      .arg(sentence, meaning));
    ScriptedRandomSource* random = env.scriptRandom(deal(17, 1, 2, {0, 0, 0}));
    Form9Vocario* window = apriForm9();
    QVERIFY(window);
    auto* text1 = window->control<DesignTextBox>(QStringLiteral("Text1"));
    QCOMPARE(text1->text(), sentence);
    QVERIFY(text1->isReadOnly());
    // Enabled, so the text keeps its normal colour instead of the greyed one.
    QVERIFY(text1->isEnabled());
    QVERIFY(text1->palette().color(QPalette::Text) != text1->palette().color(QPalette::Base));
    // Wrapped into several lines, in a font small enough for all of them to show.
    QTextLayout* layout = text1->document()->firstBlock().layout();
    QVERIFY(layout->lineCount() >= 3);
    for (int line = 0; line < layout->lineCount(); ++line)
        QVERIFY(layout->lineAt(line).naturalTextWidth() <= text1->viewport()->width());
    QVERIFY(text1->document()->size().height() <= text1->viewport()->height());
    QVERIFY(!text1->verticalScrollBar()->isVisible());
    QVERIFY(text1->font().pointSizeF() < 12);

    // The long meaning is broken at a blank into lines that fit the button.
    QPushButton* right = bottone(window, 0);
    const QStringList lines = right->text().split(u'\n');
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.join(u' '), meaning);
    const QFontMetrics metrics(right->font());
    for (const QString& line : lines)
        QVERIFY(metrics.horizontalAdvance(line) < right->width());
    QVERIFY(2 * metrics.lineSpacing() <= right->height());

    // Short texts of the next item come back in the design fonts.
    random->append({pickWhole(1, 4)});
    random->append(deal(2, 2, 2, {0, 0, 0}));
    click(right);
    QCOMPARE(random->remaining(), 0);
    QCOMPARE(text1->text(), QStringLiteral("Era stanco."));
    QCOMPARE(text1->font().pointSizeF(), 12.0);
    QCOMPARE(right->text(), QStringLiteral("senza forze"));
    QCOMPARE(right->font().pointSizeF(), 11.25);
}

void WordMeaningTest::unusableListRefusesAndLeavesTheCountAlone_data() {
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("reason");
    QTest::newRow("empty") << QString()
                           << QStringLiteral("testi/vocario.txt non contiene nessuna voce");
    QTest::newRow("missing") << QStringLiteral("<missing>") << QStringLiteral("vocario.txt");
    QTest::newRow("record cut short")
        << QStringLiteral("frase, parola, giusto, sbagliato\n") << QStringLiteral("vocario.txt");
}

void WordMeaningTest::unusableListRefusesAndLeavesTheCountAlone() {
    QFETCH(QString, content);
    QFETCH(QString, reason);
    TestEnvironment env;
    if (content != QLatin1String("<missing>"))
        env.writeList(QStringLiteral("vocario.txt"), content);
    ScriptedRandomSource* random = env.scriptRandom({});
    MessageBoxAnswerer answerer;
    answerer.answerNext(QStringLiteral("OK"));
    QVERIFY(!Navigazione::apriEsercizio(9, nullptr));
    QCOMPARE(answerer.pending(), 0);
    QCOMPARE(answerer.titles(), QStringList({QStringLiteral("Vocario")}));
    QVERIFY2(answerer.texts().first().contains(reason), qPrintable(answerer.texts().first()));
    QVERIFY(TestEnvironment::visibleWindows().isEmpty());
    QCOMPARE(random->remaining(), 0);
}

QTEST_MAIN(WordMeaningTest)
#include "tst_wordmeaning.moc"
