#include "testenvironment.h"

#include "app/formmenu.h"
#include "app/navigazione.h"
#include "colours/colori.h"
#include "colours/widgetcolours.h"
#include "core/appstate.h"
#include "exercises/click/clicktileswindow.h"
#include "geometry/twipsgeometry.h"
#include "layouts/designlabel.h"
#include "messageboxanswerer.h"

#include <QPushButton>
#include <QtTest>
#include <tuple>

using namespace vocario;
using namespace vocario::testing;

// The click exercises Form4 (including word) and Form6 (odd word out).
class ClickTilesTest : public QObject {
    Q_OBJECT
  private slots:
    void oddWordOutDealsAGroupAndAnIntruderOfAnotherGroup();
    void includingWordDealsOneRecordIncludingWordFirst();
    void tilesAreStackedByForwardSearchAfterEveryDeal_data();
    void tilesAreStackedByForwardSearchAfterEveryDeal();
    void clickOnLabel3ZeroIsRightWhereverItStands_data();
    void clickOnLabel3ZeroIsRightWhereverItStands();
    void clickOnAnotherTileIsWrongAndKeepsTheItem_data();
    void clickOnAnotherTileIsWrongAndKeepsTheItem();
    void wrongWrongRightInBothAdvanceModes_data();
    void wrongWrongRightInBothAdvanceModes();
    void twoGroupsAreBothUsedInEveryItem();
    void doubleClickCountsOnce();
    void shortestUsableListsOpen();
    void listsThatCannotMakeAnItemAreRefused_data();
    void listsThatCannotMakeAnItemAreRefused();
    void menuButtonsOpenBothWindows();
};

namespace {

const QString kAree1 = QStringLiteral("frutta, mela, pera, arancia\n"
                                      "animale, cane, gatto, cavallo\n"
                                      "colore, rosso, verde, giallo\n");
const QString kAree2 = QStringLiteral("mela, pera, arancia\n"
                                      "cane, gatto, cavallo\n"
                                      "rosso, verde, giallo\n");

void writeBothLists(TestEnvironment& env) {
    env.writeList(QStringLiteral("aree1.txt"), kAree1);
    env.writeList(QStringLiteral("aree2.txt"), kAree2);
}

QList<float> placing(const QList<int>& draws) {
    QList<float> values;
    for (int j : draws)
        values << pickIndex(j, ClickTilesWindow::kTiles);
    return values;
}

// The draws of one Form6 item: colour, intruder row, group row (redrawn while
// equal), intruder column, then the four places.
QList<float> form6Item(int slot, int intruderRow, const QList<int>& groupRows, int column,
                       const QList<int>& places = {0, 0, 0, 0}, int groups = 3) {
    QList<float> values{pickWhole(slot, 18), pickWhole(intruderRow, groups)};
    for (int row : groupRows)
        values << pickWhole(row, groups);
    return values << pickWhole(column, 3) << placing(places);
}

// The draws of one Form4 item: colour, row, then the four places.
QList<float> form4Item(int slot, int row, const QList<int>& places = {0, 0, 0, 0},
                       int records = 3) {
    return QList<float>{pickWhole(slot, 18), pickWhole(row, records)} << placing(places);
}

// Two items for tests that run on either window: the draws and the words.
QList<float> firstItem(int form, int slot, const QList<int>& places = {0, 0, 0, 0}) {
    return form == 4 ? form4Item(slot, 1, places) : form6Item(slot, 2, {1}, 1, places);
}
QStringList firstWords(int form) {
    return form == 4 ? QStringList{"frutta", "mela", "pera", "arancia"}
                     : QStringList{"cane", "mela", "pera", "arancia"};
}
QList<float> secondItem(int form, int slot, const QList<int>& places = {0, 0, 0, 0}) {
    return form == 4 ? form4Item(slot, 3, places) : form6Item(slot, 3, {2}, 3, places);
}
QStringList secondWords(int form) {
    return form == 4 ? QStringList{"colore", "rosso", "verde", "giallo"}
                     : QStringList{"giallo", "cane", "gatto", "cavallo"};
}

ClickTilesWindow* openedWindow(int form) {
    const QString name = QStringLiteral("Form%1").arg(form);
    for (QWidget* window : TestEnvironment::visibleWindows())
        if (window->objectName() == name)
            return qobject_cast<ClickTilesWindow*>(window);
    return nullptr;
}

ClickTilesWindow* open(int form) {
    return Navigazione::apriEsercizio(form, nullptr) ? openedWindow(form) : nullptr;
}

QStringList words(const ClickTilesWindow* w) {
    QStringList texts;
    for (int k = 0; k < ClickTilesWindow::kTiles; ++k)
        texts << w->tessera(k)->text();
    return texts;
}

QList<int> tops(const ClickTilesWindow* w) {
    QList<int> values;
    for (int k = 0; k < ClickTilesWindow::kTiles; ++k)
        values << topTwips(w->tessera(k));
    return values;
}

// True when every tile is enabled and white: an open item.
bool tilesOpen(const ClickTilesWindow* w) {
    for (int k = 0; k < ClickTilesWindow::kTiles; ++k)
        if (!w->tessera(k)->isEnabled() || backColour(w->tessera(k)) != Colori::Bianco)
            return false;
    return true;
}

bool anyTileEnabled(const ClickTilesWindow* w) {
    for (int k = 0; k < ClickTilesWindow::kTiles; ++k)
        if (w->tessera(k)->isEnabled())
            return true;
    return false;
}

quint32 instructionColour(const ClickTilesWindow* w) {
    return foreColour(w->control(QStringLiteral("Label5")));
}

void click(ClickTilesWindow* w, int k) {
    QTest::mouseClick(w->tessera(k), Qt::LeftButton);
}

void addFormColumn() {
    QTest::addColumn<int>("form");
}

} // namespace

void ClickTilesTest::oddWordOutDealsAGroupAndAnIntruderOfAnotherGroup() {
    TestEnvironment env;
    writeBothLists(env);
    // The group row comes up equal to the intruder's twice before it differs.
    ScriptedRandomSource* script = env.scriptRandom(form6Item(7, 3, {3, 3, 1}, 2));
    ClickTilesWindow* w = open(6);
    QVERIFY(w);
    QCOMPARE(words(w), (QStringList{"verde", "mela", "pera", "arancia"}));
    QCOMPARE(w->backColour(), Colori::Tavolozza[7]);
    QCOMPARE(instructionColour(w), Colori::Nero);
    QCOMPARE(w->control<QLabel>(QStringLiteral("Label5"))->text(),
             QStringLiteral("Clicca sulla parola che non c'entra"));
    QCOMPARE(script->remaining(), 0);
    QCOMPARE(w->modello().numeroVoci(), qint16(3));
    // The groups fill columns 1..3; row 0 and column 0 stay empty.
    for (int row = 0; row <= 3; ++row)
        QCOMPARE(w->modello().tabella()[size_t(row)][0], QString());
    QCOMPARE(w->modello().tabella()[0][1], QString());
    QCOMPARE(w->modello().tabella()[2][3], QStringLiteral("cavallo"));
    QVERIFY(tilesOpen(w));
    QVERIFY(!w->bottoneAvanti()->isVisible());
}

void ClickTilesTest::includingWordDealsOneRecordIncludingWordFirst() {
    TestEnvironment env;
    writeBothLists(env);
    ScriptedRandomSource* script = env.scriptRandom(form4Item(12, 2));
    ClickTilesWindow* w = open(4);
    QVERIFY(w);
    QCOMPARE(words(w), (QStringList{"animale", "cane", "gatto", "cavallo"}));
    QCOMPARE(w->backColour(), Colori::Tavolozza[12]);
    QCOMPARE(w->control<QLabel>(QStringLiteral("Label5"))->text(),
             QStringLiteral("Clicca sul nome che comprende gli altri"));
    QCOMPARE(script->remaining(), 0);
    QCOMPARE(w->modello().tabella()[3][0], QStringLiteral("colore"));
    QCOMPARE(w->modello().tabella()[0][0], QString());
}

void ClickTilesTest::tilesAreStackedByForwardSearchAfterEveryDeal_data() {
    addFormColumn();
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QList<int>>("expectedTops");
    const QList<std::tuple<const char*, QList<int>, QList<int>>> cases = {
        {"every draw 0 fills in index order", {0, 0, 0, 0}, {600, 2100, 3600, 5100}},
        {"search past the last tile wraps to 0", {3, 3, 3, 3}, {2100, 3600, 5100, 600}},
        {"a placed tile is passed forward", {2, 1, 2, 0}, {5100, 2100, 600, 3600}},
        {"four different draws", {1, 3, 0, 2}, {3600, 600, 5100, 2100}},
    };
    for (int form : {4, 6})
        for (const auto& [name, draws, expected] : cases)
            QTest::addRow("Form%d: %s", form, name) << form << draws << expected;
}

void ClickTilesTest::tilesAreStackedByForwardSearchAfterEveryDeal() {
    QFETCH(int, form);
    QFETCH(QList<int>, draws);
    QFETCH(QList<int>, expectedTops);
    TestEnvironment env;
    writeBothLists(env);
    const int left = form == 4 ? 360 : 435;
    // First deal with the data's draws, then a second one (after a right
    // click, sound draw first) that starts from the places already taken.
    env.scriptRandom(firstItem(form, 1, draws)
                     << pickWhole(2, 4) << secondItem(form, 1, {draws[3], 0, draws[1], 1}));
    ClickTilesWindow* w = open(form);
    QVERIFY(w);
    QCOMPARE(tops(w), expectedTops);
    for (int k = 0; k < ClickTilesWindow::kTiles; ++k) {
        QCOMPARE(leftTwips(w->tessera(k)), left);
        QCOMPARE(w->tessera(k)->y(), expectedTops[k] / 15);
    }
    click(w, 0);
    QCOMPARE(words(w), secondWords(form));
    QList<int> again = tops(w);
    std::sort(again.begin(), again.end());
    QCOMPARE(again, (QList<int>{600, 2100, 3600, 5100}));
    for (int k = 0; k < ClickTilesWindow::kTiles; ++k)
        QCOMPARE(leftTwips(w->tessera(k)), left);
}

void ClickTilesTest::clickOnLabel3ZeroIsRightWhereverItStands_data() {
    addFormColumn();
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<int>("top");
    for (int form : {4, 6}) {
        QTest::addRow("Form%d, Label3(0) at the top", form)
            << form << QList<int>{0, 0, 0, 0} << 600;
        QTest::addRow("Form%d, Label3(0) second", form) << form << QList<int>{1, 0, 0, 0} << 2100;
        QTest::addRow("Form%d, Label3(0) third", form) << form << QList<int>{1, 2, 0, 0} << 3600;
        QTest::addRow("Form%d, Label3(0) at the bottom", form)
            << form << QList<int>{3, 1, 2, 0} << 5100;
    }
}

void ClickTilesTest::clickOnLabel3ZeroIsRightWhereverItStands() {
    QFETCH(int, form);
    QFETCH(QList<int>, draws);
    QFETCH(int, top);
    TestEnvironment env;
    writeBothLists(env);
    // Auto-advance: the right click deals the next item at once.
    ScriptedRandomSource* script =
        env.scriptRandom(firstItem(form, 2, draws) << pickWhole(3, 4) << secondItem(form, 9));
    ClickTilesWindow* w = open(form);
    QVERIFY(w);
    QCOMPARE(topTwips(w->tessera(0)), top);
    click(w, 0);
    QCOMPARE(env.state.NumeroEsatti, qint16(1));
    QCOMPARE(env.state.NumeroErrati, qint16(0));
    QCOMPARE(w->etichettaEsatti()->text(), QStringLiteral(" 1"));
    QVERIFY(w->control(QStringLiteral("ComandoIconaSi"))->isVisible());
    QVERIFY(!w->control(QStringLiteral("ComandoIconaNo"))->isVisible());
    QCOMPARE(env.sound->playedNames(), QStringList{QStringLiteral("si3.wav")});
    QCOMPARE(words(w), secondWords(form));
    QCOMPARE(w->backColour(), Colori::Tavolozza[9]);
    QVERIFY(tilesOpen(w));
    QCOMPARE(script->remaining(), 0);
}

void ClickTilesTest::clickOnAnotherTileIsWrongAndKeepsTheItem_data() {
    addFormColumn();
    QTest::addColumn<int>("tile");
    for (int form : {4, 6})
        for (int tile : {1, 2, 3})
            QTest::addRow("Form%d, Label3(%d)", form, tile) << form << tile;
}

void ClickTilesTest::clickOnAnotherTileIsWrongAndKeepsTheItem() {
    QFETCH(int, form);
    QFETCH(int, tile);
    TestEnvironment env;
    writeBothLists(env);
    // A wrong click draws nothing: the script holds only the first item.
    ScriptedRandomSource* script = env.scriptRandom(firstItem(form, 4, {2, 0, 3, 1}));
    ClickTilesWindow* w = open(form);
    QVERIFY(w);
    const QList<int> placesBefore = tops(w);
    click(w, tile);
    QCOMPARE(env.state.NumeroErrati, qint16(1));
    QCOMPARE(env.state.NumeroEsatti, qint16(0));
    QCOMPARE(w->etichettaErrati()->text(), QStringLiteral(" 1"));
    QCOMPARE(w->etichettaEsatti()->text(), QStringLiteral("0"));
    QVERIFY(w->control(QStringLiteral("ComandoIconaNo"))->isVisible());
    QVERIFY(!w->control(QStringLiteral("ComandoIconaSi"))->isVisible());
    QCOMPARE(env.sound->playedNames(), QStringList{QStringLiteral("no.wav")});
    QCOMPARE(w->backColour(), Colori::Nero);
    QCOMPARE(instructionColour(w), Colori::Bianco);
    QCOMPARE(words(w), firstWords(form));
    QCOMPARE(tops(w), placesBefore);
    QVERIFY(tilesOpen(w));
    QCOMPARE(script->remaining(), 0);
}

void ClickTilesTest::wrongWrongRightInBothAdvanceModes_data() {
    addFormColumn();
    QTest::addColumn<bool>("waitsForAvanti");
    for (int form : {4, 6}) {
        QTest::addRow("Form%d waiting for avanti", form) << form << true;
        QTest::addRow("Form%d advancing by itself", form) << form << false;
    }
}

void ClickTilesTest::wrongWrongRightInBothAdvanceModes() {
    QFETCH(int, form);
    QFETCH(bool, waitsForAvanti);
    TestEnvironment env;
    writeBothLists(env);
    env.state.AttendeBottone = waitsForAvanti ? -1 : 0;
    ScriptedRandomSource* script =
        env.scriptRandom(firstItem(form, 6, {1, 1, 1, 1}) << pickWhole(1, 4));
    ClickTilesWindow* w = open(form);
    QVERIFY(w);
    QCOMPARE(w->bottoneAvanti()->isVisible(), waitsForAvanti);
    QVERIFY(!w->bottoneAvanti()->isEnabled());

    click(w, 1);
    click(w, 3);
    QCOMPARE(w->backColour(), Colori::Nero);
    QCOMPARE(instructionColour(w), Colori::Bianco);
    QVERIFY(tilesOpen(w));
    QVERIFY(!w->bottoneAvanti()->isEnabled());
    if (!waitsForAvanti)
        script->append(secondItem(form, 13));
    click(w, 0);
    QCOMPARE(env.state.NumeroErrati, qint16(2));
    QCOMPARE(env.state.NumeroEsatti, qint16(1));
    QCOMPARE(w->etichettaErrati()->text(), QStringLiteral(" 2"));
    QCOMPARE(w->etichettaEsatti()->text(), QStringLiteral(" 1"));
    QCOMPARE(env.sound->playedNames(), (QStringList{"no.wav", "no.wav", "si1.wav"}));

    if (waitsForAvanti) {
        // Answered: the black and the white line stay, Label3(0) is red,
        // every tile is locked and "avanti" can be pressed.
        QCOMPARE(words(w), firstWords(form));
        QCOMPARE(w->backColour(), Colori::Nero);
        QCOMPARE(instructionColour(w), Colori::Bianco);
        QCOMPARE(backColour(w->tessera(0)), Colori::Rosso);
        for (int k = 1; k < ClickTilesWindow::kTiles; ++k)
            QCOMPARE(backColour(w->tessera(k)), Colori::Bianco);
        QVERIFY(!anyTileEnabled(w));
        QVERIFY(w->bottoneAvanti()->isEnabled());
        // Locked tiles take no click: nothing counts, sounds or draws.
        for (int k = 0; k < ClickTilesWindow::kTiles; ++k) {
            click(w, k);
            QTest::mouseDClick(w->tessera(k), Qt::LeftButton);
        }
        QCOMPARE(env.state.NumeroEsatti, qint16(1));
        QCOMPARE(env.state.NumeroErrati, qint16(2));
        QCOMPARE(env.sound->playedNames().size(), 3);
        QCOMPARE(script->remaining(), 0);
        script->append(secondItem(form, 13));
        QTest::mouseClick(w->bottoneAvanti(), Qt::LeftButton);
        QVERIFY(!w->bottoneAvanti()->isEnabled());
        QVERIFY(w->bottoneAvanti()->isVisible());
    }
    // The next item: a palette colour, the line black, four open tiles.
    QCOMPARE(words(w), secondWords(form));
    QCOMPARE(w->backColour(), Colori::Tavolozza[13]);
    QCOMPARE(instructionColour(w), Colori::Nero);
    QVERIFY(tilesOpen(w));
    QCOMPARE(script->remaining(), 0);
    // The pictures and counts are the last answer's.
    QVERIFY(w->control(QStringLiteral("ComandoIconaSi"))->isVisible());
    QCOMPARE(w->etichettaEsatti()->text(), QStringLiteral(" 1"));
}

void ClickTilesTest::twoGroupsAreBothUsedInEveryItem() {
    TestEnvironment env;
    env.writeList(QStringLiteral("aree2.txt"), QStringLiteral("mela, pera, arancia\n"
                                                              "cane, gatto, cavallo\n"));
    // The group row is drawn again as long as it equals the intruder's row.
    ScriptedRandomSource* script =
        env.scriptRandom(form6Item(1, 2, {2, 2, 2, 1}, 3, {}, 2) << placing({0, 0, 0, 0}));
    ClickTilesWindow* w = open(6);
    QVERIFY(w);
    QCOMPARE(words(w), (QStringList{"cavallo", "mela", "pera", "arancia"}));
    QCOMPARE(script->remaining(), 0);

    // With the real generator, every item has one group's three words in
    // order and a word of the other group in Label3(0).
    env.state.random.seedFromClock();
    const QStringList groups[] = {{"mela", "pera", "arancia"}, {"cane", "gatto", "cavallo"}};
    int asGroup[2] = {0, 0};
    for (int item = 0; item < 200; ++item) {
        const QStringList shown = words(w);
        const int group = shown.mid(1) == groups[0] ? 0 : 1;
        QCOMPARE(shown.mid(1), groups[group]);
        QVERIFY2(groups[1 - group].contains(shown[0]), qPrintable(shown.join(u',')));
        ++asGroup[group];
        click(w, 0);
    }
    QVERIFY(asGroup[0] > 0 && asGroup[1] > 0);
    QCOMPARE(env.state.NumeroEsatti, qint16(200));
}

void ClickTilesTest::doubleClickCountsOnce() {
    TestEnvironment env;
    writeBothLists(env);
    env.state.AttendeBottone = -1;
    env.scriptRandom(firstItem(6, 8) << pickWhole(2, 4));
    ClickTilesWindow* w = open(6);
    QVERIFY(w);
    // A double click is a press, a release, a second press that arrives as a
    // double click, and a release.
    const auto doubleClick = [](QWidget* tile) {
        QTest::mouseClick(tile, Qt::LeftButton);
        QTest::mouseDClick(tile, Qt::LeftButton);
        QTest::mouseRelease(tile, Qt::LeftButton);
    };
    doubleClick(w->tessera(2));
    QCOMPARE(env.state.NumeroErrati, qint16(1));
    QCOMPARE(env.sound->playedNames(), QStringList{QStringLiteral("no.wav")});
    doubleClick(w->tessera(0));
    QCOMPARE(env.state.NumeroEsatti, qint16(1));
    QCOMPARE(env.state.NumeroErrati, qint16(1));
    QCOMPARE(env.sound->playedNames(), (QStringList{"no.wav", "si2.wav"}));
}

void ClickTilesTest::shortestUsableListsOpen() {
    TestEnvironment env;
    env.writeList(QStringLiteral("aree1.txt"), QStringLiteral("fiore, rosa, tulipano, viola\n"));
    env.scriptRandom(form4Item(1, 1, {0, 0, 0, 0}, 1));
    ClickTilesWindow* form4 = open(4);
    QVERIFY(form4);
    QCOMPARE(words(form4), (QStringList{"fiore", "rosa", "tulipano", "viola"}));

    TestEnvironment again;
    again.writeList(QStringLiteral("aree2.txt"), kAree2.section(u'\n', 0, 1));
    again.scriptRandom(form6Item(1, 1, {2}, 1, {0, 0, 0, 0}, 2));
    ClickTilesWindow* form6 = open(6);
    QVERIFY(form6);
    QCOMPARE(words(form6), (QStringList{"mela", "cane", "gatto", "cavallo"}));
}

void ClickTilesTest::listsThatCannotMakeAnItemAreRefused_data() {
    addFormColumn();
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("message");
    QTest::newRow("Form6, no group") << 6 << QString("\n") << QString("nessuna voce");
    QTest::newRow("Form6, one group")
        << 6 << QString("mela, pera, arancia\n") << QString("una sola voce");
    QTest::newRow("Form4, no record") << 4 << QString("") << QString("nessuna voce");
    QTest::newRow("Form6, list missing") << 6 << QString() << QString("Non trovo il file");
    QTest::newRow("Form4, record cut short")
        << 4 << QString("frutta, mela, pera, arancia\nanimale, cane\n") << QString("a metà");
}

void ClickTilesTest::listsThatCannotMakeAnItemAreRefused() {
    QFETCH(int, form);
    QFETCH(QString, list);
    QFETCH(QString, message);
    TestEnvironment env;
    const QString file = form == 4 ? QStringLiteral("aree1.txt") : QStringLiteral("aree2.txt");
    if (!list.isNull())
        env.writeList(file, list);
    // Refusing must not draw: the script is empty.
    ScriptedRandomSource* script = env.scriptRandom();
    MessageBoxAnswerer answerer;
    answerer.answerNext(QStringLiteral("OK"));
    QVERIFY(!Navigazione::apriEsercizio(form, nullptr));
    QCOMPARE(answerer.titles(), QStringList{QStringLiteral("Vocario")});
    QVERIFY2(answerer.texts().value(0).contains(message), qPrintable(answerer.texts().value(0)));
    QVERIFY(answerer.texts().value(0).contains(QStringLiteral("testi/") + file));
    QVERIFY(TestEnvironment::visibleWindows().isEmpty());
    QCOMPARE(script->remaining(), 0);
}

void ClickTilesTest::menuButtonsOpenBothWindows() {
    const QList<std::pair<int, QString>> buttons = {{4, QStringLiteral("Command5")},
                                                    {6, QStringLiteral("Command7")}};
    for (const auto& [form, button] : buttons) {
        TestEnvironment env;
        writeBothLists(env);
        // The menu paints itself first.
        env.scriptRandom(QList<float>{pickWhole(1, 18)} << firstItem(form, 2));
        QWidget* menu = Navigazione::mostraMenu(nullptr);
        QTest::mouseClick(menu->findChild<QPushButton*>(button), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ClickTilesWindow* w = openedWindow(form);
        QVERIFY2(w, qPrintable(button));
        QCOMPARE(TestEnvironment::visibleWindows().size(), 1);
        QCOMPARE(words(w), firstWords(form));
    }
}

QTEST_MAIN(ClickTilesTest)
#include "tst_clicktiles.moc"
