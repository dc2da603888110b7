// Inputs a pupil can give anywhere: a word dropped on any control, data from
// another program dropped on the window, double clicks, presses while the
// answers are locked. None of them may count, change or break anything that
// the rules of the window do not say.

#include "exercisecatalogue.h"
#include "exercisedriving.h"
#include "harmlessnoise.h"
#include "windowsnapshot.h"

#include "access/pickandplace.h"
#include "app/formavvio.h"
#include "app/formmenu.h"
#include "layouts/designlabel.h"
#include "messageboxanswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMimeData>
#include <QUrl>
#include <QtTest>
#include <random>

using namespace vocario;
using namespace vocario::endurance;

namespace {

/// Counts the program's random draws: one deal always takes the same number
/// in the windows that never draw again.
class CountingSource : public RandomSource {
  public:
    float next() override {
        ++draws;
        return float(engine_() >> 8) * (1.0f / 16777216.0f);
    }
    int draws = 0;

  private:
    std::mt19937 engine_{20240611};
};

CountingSource* countDraws(AppState& state) {
    auto source = std::make_unique<CountingSource>();
    CountingSource* counting = source.get();
    state.random.setSource(std::move(source));
    return counting;
}

QMimeData* foreignData(int kind) {
    auto* data = new QMimeData;
    if (kind == 0)
        data->setText(QStringLiteral("Label3(0)"));
    else if (kind == 1)
        data->setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/contrari.txt"))});
    else
        data->setData(QStringLiteral("application/x-vocario-label"), QByteArray("\xff\xfe\x00", 3));
    return data;
}

// The named control that the centre of `control` shows (controls may overlap).
QWidget* shownAtCentreOf(QWidget* control) {
    QWidget* window = control->window();
    QWidget* hit = window->childAt(control->mapTo(window, control->rect().center()));
    while (hit && hit != window && hit->objectName().isEmpty())
        hit = hit->parentWidget();
    return hit;
}

QWidget* openWindow(AppState& state, int numero) {
    if (numero == -1) {
        auto* start = new FormAvvio(state);
        start->show();
        return start;
    }
    if (numero == 0)
        return Navigazione::mostraMenu(nullptr);
    return openExercise(state, numero, true);
}

void windowRows() {
    QTest::addColumn<int>("numero");
    QTest::newRow("FormAvvio") << -1;
    QTest::newRow("FormMenu") << 0;
    for (int numero = 1; numero <= testing::exerciseCount(); ++numero)
        QTest::newRow(qPrintable(testing::exerciseWindowName(numero))) << numero;
}

void exerciseRows(const QList<int>& numeri) {
    QTest::addColumn<int>("numero");
    for (int numero : numeri)
        QTest::newRow(qPrintable(testing::exerciseWindowName(numero))) << numero;
}

} // namespace

class InputsEverywhere : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { silenceHarmlessNoise(); }
    void aWordDroppedOffItsPlacesChangesNothing_data() { windowRows(); }
    void aWordDroppedOffItsPlacesChangesNothing();
    void dataFromAnotherProgramChangesNothing_data() { windowRows(); }
    void dataFromAnotherProgramChangesNothing();
    void aDoubleClickOnAWordTileCountsOnce_data() { exerciseRows({4, 6}); }
    void aDoubleClickOnAWordTileCountsOnce();
    void aDoubleClickOnARightAnswerButtonCountsOnce_data() { exerciseRows({3, 9}); }
    void aDoubleClickOnARightAnswerButtonCountsOnce();
    void aDoubleClickPicksAWordOrDropsItOnce_data() { exerciseRows({1, 2, 5, 7, 8}); }
    void aDoubleClickPicksAWordOrDropsItOnce();
    void aDoubleClickOnAvantiDealsOneItem_data() { exerciseRows({3, 4, 7, 9}); }
    void aDoubleClickOnAvantiDealsOneItem();
    void keysGoInReadingOrderAndDoWhatAPressWould_data() {
        exerciseRows({1, 2, 3, 4, 5, 6, 7, 8, 9});
    }
    void keysGoInReadingOrderAndDoWhatAPressWould();
    void pressesAndDropsWhileLockedChangeNothing_data() {
        exerciseRows({1, 2, 3, 4, 5, 6, 7, 8, 9});
    }
    void pressesAndDropsWhileLockedChangeNothing();

  private:
    SimulatedMouse mouse_;
};

void InputsEverywhere::aWordDroppedOffItsPlacesChangesNothing() {
    QFETCH(int, numero);
    testing::TestEnvironment env;
    env.useShippedLists();
    QWidget* window = openWindow(env.state, numero);
    QVERIFY(window);
    const auto* exercise = qobject_cast<ExerciseWindow*>(window);
    const QStringList words = exercise ? AnswerOracle(exercise).answerControls()
                                       : QStringList{QStringLiteral("Label3(0)")};
    int tried = 0;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const auto* hit = qobject_cast<DesignLabel*>(shownAtCentreOf(control));
        if (control->objectName().isEmpty() || !control->isVisible() || (hit && hit->acceptDrops()))
            continue; // a place takes words: the rules of the window judge them
        for (const QString& word : words) {
            const WindowSnapshot before = WindowSnapshot::take();
            QVERIFY(!SimulatedMouse::dropWord(control, word));
            const QString change = WindowSnapshot::take().differenceFrom(before);
            QVERIFY2(change.isEmpty(),
                     qPrintable(word + QStringLiteral(" on ") + control->objectName() +
                                QStringLiteral(": ") + change));
            ++tried;
        }
    }
    QVERIFY(tried > 0);
    QVERIFY(env.sound->played.isEmpty());
}

void InputsEverywhere::dataFromAnotherProgramChangesNothing() {
    QFETCH(int, numero);
    testing::TestEnvironment env;
    env.useShippedLists();
    QWidget* window = openWindow(env.state, numero);
    QVERIFY(window);
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->objectName().isEmpty() || !control->isVisible())
            continue;
        for (int kind = 0; kind < 3; ++kind) {
            const WindowSnapshot before = WindowSnapshot::take();
            const bool taken = SimulatedMouse::dropData(control, foreignData(kind));
            // Text and files are refused; a broken word of our own may be
            // taken by a place, which then finds no such word.
            QVERIFY2(!taken || kind == 2, qPrintable(control->objectName()));
            const QString change = WindowSnapshot::take().differenceFrom(before);
            QVERIFY2(change.isEmpty(),
                     qPrintable(control->objectName() + QStringLiteral(": ") + change));
        }
    }
}

void InputsEverywhere::aDoubleClickOnAWordTileCountsOnce() {
    QFETCH(int, numero);
    testing::TestEnvironment env;
    env.useShippedLists();
    for (bool waitForAvanti : {true, false}) {
        ExerciseWindow* window = openExercise(env.state, numero, waitForAvanti);
        QVERIFY(window);
        const qint16 errati = env.state.NumeroErrati;
        mouse_.click(window->control(QStringLiteral("Label3(1)")));
        mouse_.clickAgainAtOnce();
        QCOMPARE(env.state.NumeroErrati, qint16(errati + 1));
        const qint16 esatti = env.state.NumeroEsatti;
        mouse_.click(window->control(QStringLiteral("Label3(0)")));
        // Moving on by itself, the second click falls on the next item.
        mouse_.clickAgainAtOnce();
        QCOMPARE(env.state.NumeroEsatti, qint16(esatti + 1));
        QCOMPARE(env.state.NumeroErrati, qint16(errati + 1));
        QCOMPARE(window->bottoneAvanti()->isEnabled(), waitForAvanti);
        window->close();
    }
}

void InputsEverywhere::aDoubleClickOnARightAnswerButtonCountsOnce() {
    QFETCH(int, numero);
    testing::TestEnvironment env;
    env.useShippedLists();
    ExerciseWindow* window = openExercise(env.state, numero, true);
    QVERIFY(window);
    // A button takes each press of a double click, as it always did on the
    // school's machines: a wrong one counts twice...
    const Move wrong = AnswerOracle(window).wrongMoves().first();
    mouse_.click(window->control(wrong.source));
    mouse_.clickAgainAtOnce();
    QCOMPARE(env.state.NumeroErrati, qint16(2));
    // ...but the right one locks the answers at the first press.
    const Move right = AnswerOracle(window).rightMoves().first();
    mouse_.click(window->control(right.source));
    mouse_.clickAgainAtOnce();
    QCOMPARE(env.state.NumeroEsatti, qint16(1));
    QCOMPARE(env.state.NumeroErrati, qint16(2));
    QVERIFY(window->bottoneAvanti()->isEnabled());
    QVERIFY(!window->control(right.source)->isEnabled());
}

void InputsEverywhere::aDoubleClickPicksAWordOrDropsItOnce() {
    QFETCH(int, numero);
    testing::TestEnvironment env;
    env.useShippedLists();
    ExerciseWindow* window = openExercise(env.state, numero, true);
    QVERIFY(window);
    auto* pick = window->findChild<PickAndPlace*>();
    QVERIFY(pick);
    // On a word: picked by the first click, kept by the second; nothing counts.
    QString picked;
    for (const QString& name : AnswerOracle(window).answerControls()) {
        const WindowSnapshot before = WindowSnapshot::take();
        mouse_.click(window->control(name));
        mouse_.clickAgainAtOnce();
        const QString change = WindowSnapshot::take().differenceFrom(before);
        QVERIFY2(change.isEmpty(), qPrintable(name + QStringLiteral(": ") + change));
        QVERIFY(pick->pickedWord());
        picked = pick->pickedWord()->objectName();
        QCOMPARE(picked, name);
    }
    // On a wrong place: one wrong answer, and the word stays picked.
    Move wrong;
    for (const Move& move : AnswerOracle(window).wrongMoves())
        if (move.source == picked)
            wrong = move;
    QVERIFY(!wrong.target.isEmpty());
    mouse_.click(window->control(wrong.target));
    mouse_.clickAgainAtOnce();
    QCOMPARE(env.state.NumeroErrati, qint16(1));
    QCOMPARE(pick->pickedWord()->objectName(), picked);
    // On its own place: placed once, no longer picked.
    Move right;
    for (const Move& move : AnswerOracle(window).rightMoves())
        if (move.source == picked)
            right = move;
    QVERIFY(!right.target.isEmpty());
    mouse_.click(window->control(right.target));
    mouse_.clickAgainAtOnce();
    QCOMPARE(env.state.NumeroErrati, qint16(1));
    QVERIFY(!window->control(picked)->isEnabled());
    QVERIFY(!pick->pickedWord());
}

void InputsEverywhere::aDoubleClickOnAvantiDealsOneItem() {
    QFETCH(int, numero);
    testing::TestEnvironment env;
    env.useShippedLists();
    CountingSource* source = countDraws(env.state);
    ExerciseWindow* window = openExercise(env.state, numero, true);
    QVERIFY(window);
    QVERIFY(finishItem(window, mouse_));
    int before = source->draws;
    mouse_.click(window->bottoneAvanti());
    const int oneDeal = source->draws - before;
    QVERIFY(oneDeal > 0);

    QVERIFY(finishItem(window, mouse_));
    before = source->draws;
    mouse_.click(window->bottoneAvanti());
    mouse_.clickAgainAtOnce();
    QCOMPARE(source->draws - before, oneDeal);
    QVERIFY(!window->bottoneAvanti()->isEnabled());
    for (const QString& name : AnswerOracle(window).answerControls())
        QVERIFY2(window->control(name)->isEnabled(), qPrintable(name));
}

void InputsEverywhere::pressesAndDropsWhileLockedChangeNothing() {
    QFETCH(int, numero);
    testing::TestEnvironment env;
    env.useShippedLists();
    ExerciseWindow* window = openExercise(env.state, numero, true);
    QVERIFY(window);
    QVERIFY(finishItem(window, mouse_));
    const AnswerOracle oracle(window);
    QVERIFY(oracle.rightMoves().isEmpty());
    QVERIFY(oracle.wrongMoves().isEmpty());
    const WindowSnapshot finished = WindowSnapshot::take();
    const qsizetype sounds = env.sound->played.size();

    const QStringList answers = oracle.answerControls();
    QStringList places = oracle.dropTargets();
    places << answers;
    for (const QString& name : answers + oracle.dropTargets()) {
        mouse_.click(window->control(name));
        mouse_.clickAgainAtOnce();
    }
    for (const QString& word : answers)
        for (const QString& place : std::as_const(places))
            SimulatedMouse::dropWord(window->control(place), word);
    QString change = WindowSnapshot::take().differenceFrom(finished);
    QVERIFY2(change.isEmpty(), qPrintable(change));
    QCOMPARE(env.sound->played.size(), sounds);

    mouse_.click(window->bottoneAvanti());
    QVERIFY(!window->bottoneAvanti()->isEnabled());
    for (const QString& name : answers)
        QVERIFY2(window->control(name)->isEnabled(), qPrintable(name));
    QVERIFY(!AnswerOracle(window).rightMoves().isEmpty());
}

void InputsEverywhere::keysGoInReadingOrderAndDoWhatAPressWould() {
    QFETCH(int, numero);
    testing::TestEnvironment env;
    env.useShippedLists();
    ExerciseWindow* window = openExercise(env.state, numero, true);
    QVERIFY(window);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QWindow* handle = window->windowHandle();
    testing::MessageBoxAnswerer answerer;
    auto* pick = window->findChild<PickAndPlace*>();

    // Tab goes row by row from the top, left to right within a row, through
    // every word, place, tile and answer button, and round again.
    QStringList visited;
    QWidget* first = QApplication::focusWidget();
    QVERIFY(first);
    for (QWidget* at = first; visited.size() < 30;) {
        visited << at->objectName();
        QTest::keyClick(handle, Qt::Key_Tab);
        QWidget* next = QApplication::focusWidget();
        if (next == first)
            break;
        // Right along a row, or down to the start of a lower one.
        const bool nextRow = next->y() >= at->y() + at->height() / 2;
        QVERIFY2(nextRow || next->x() > at->x(),
                 qPrintable(next->objectName() + QStringLiteral(" after ") + at->objectName()));
        at = next;
    }
    for (const QString& answer : AnswerOracle(window).answerControls())
        QVERIFY2(visited.contains(answer), qPrintable(answer + QStringLiteral(" never reached")));

    // At each stop the other keys do nothing, Esc asks what "Esci" asks, and
    // Space or Return press the control: a pressed word is picked and put back.
    for (int stop = 0; stop < 14; ++stop) {
        for (Qt::Key key : {Qt::Key_A, Qt::Key_Left, Qt::Key_Down, Qt::Key_Delete, Qt::Key_F1}) {
            const WindowSnapshot before = WindowSnapshot::take();
            QTest::keyClick(handle, key);
            const QString change = WindowSnapshot::take().differenceFrom(before);
            QVERIFY2(change.isEmpty(),
                     qPrintable(QKeySequence(key).toString() + QStringLiteral(": ") + change));
        }
        const WindowSnapshot before = WindowSnapshot::take();
        answerer.answerNext(QStringLiteral("No"));
        QTest::keyClick(handle, Qt::Key_Escape);
        QCOMPARE(answerer.texts().size(), stop + 1);
        QCOMPARE(answerer.texts().last(), QStringLiteral("Vuoi tornare al menù?"));
        QVERIFY(WindowSnapshot::take().differenceFrom(before).isEmpty());
        QTRY_VERIFY(window->isActiveWindow());

        QWidget* focus = QApplication::focusWidget();
        QVERIFY2(focus, qPrintable(QStringLiteral("no focus at stop %1").arg(stop)));
        const Qt::Key press = stop % 2 ? Qt::Key_Return : Qt::Key_Space;
        const AnswerOracle oracle(window);
        const Move click{focus->objectName(), {}};
        const qint16 esatti = env.state.NumeroEsatti;
        const qint16 errati = env.state.NumeroErrati;
        const bool right = oracle.rightMoves().contains(click);
        const bool wrong = oracle.wrongMoves().contains(click);
        QTest::keyClick(handle, press);
        QCOMPARE(env.state.NumeroEsatti, qint16(esatti + (right ? 1 : 0)));
        QCOMPARE(env.state.NumeroErrati, qint16(errati + (wrong ? 1 : 0)));
        if (pick && oracle.answerControls().contains(focus->objectName())) {
            QCOMPARE(pick->pickedWord(), focus);
            QTest::keyClick(handle, press);
            QVERIFY(!pick->pickedWord());
        }
        QTest::keyClick(handle, Qt::Key_Tab);
    }
}

QTEST_MAIN(InputsEverywhere)
#include "tst_inputseverywhere.moc"
