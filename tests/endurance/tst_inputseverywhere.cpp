// Inputs a pupil can give anywhere: a word dropped on any control, data from
// another program dropped on the window, double clicks, presses while the
// answers are locked. None of them may count, change or break anything that
// the rules of the window do not say.

#include "exercisedriving.h"
#include "exercisecatalogue.h"
#include "harmlessnoise.h"
#include "windowsnapshot.h"

#include "layouts/designlabel.h"
#include "shell/formavvio.h"
#include "shell/formmenu.h"

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
    void aDoubleClickOnAWordToDragDoesNothing_data() { exerciseRows({1, 2, 5, 7, 8}); }
    void aDoubleClickOnAWordToDragDoesNothing();
    void aDoubleClickOnAvantiDealsOneItem_data() { exerciseRows({3, 4, 7, 9}); }
    void aDoubleClickOnAvantiDealsOneItem();
    void keysDoWhatAPressWouldAndNothingMore_data() { exerciseRows({1, 2, 3, 4, 5, 6, 7, 8, 9}); }
    void keysDoWhatAPressWouldAndNothingMore();
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

void InputsEverywhere::aDoubleClickOnAWordToDragDoesNothing() {
    QFETCH(int, numero);
    testing::TestEnvironment env;
    env.useShippedLists();
    ExerciseWindow* window = openExercise(env.state, numero, true);
    QVERIFY(window);
    const QStringList clickable =
        AnswerOracle(window).answerControls() + AnswerOracle(window).dropTargets();
    for (const QString& name : clickable) {
        const WindowSnapshot before = WindowSnapshot::take();
        mouse_.click(window->control(name));
        mouse_.clickAgainAtOnce();
        const QString change = WindowSnapshot::take().differenceFrom(before);
        QVERIFY2(change.isEmpty(), qPrintable(name + QStringLiteral(": ") + change));
    }
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

void InputsEverywhere::keysDoWhatAPressWouldAndNothingMore() {
    QFETCH(int, numero);
    testing::TestEnvironment env;
    env.useShippedLists();
    ExerciseWindow* window = openExercise(env.state, numero, true);
    QVERIFY(window);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QWindow* handle = window->windowHandle();
    // Tab goes round the controls that take the keyboard, if any (the
    // program's buttons are for the mouse); at each of them the other keys
    // do nothing and Space only presses it.
    for (int stop = 0; stop < 12; ++stop) {
        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter, Qt::Key_A, Qt::Key_Left,
                            Qt::Key_Down, Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_F1}) {
            const WindowSnapshot before = WindowSnapshot::take();
            QTest::keyClick(handle, key);
            const QString change = WindowSnapshot::take().differenceFrom(before);
            QVERIFY2(change.isEmpty(),
                     qPrintable(QKeySequence(key).toString() + QStringLiteral(": ") + change));
        }
        auto* focus = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
        const AnswerOracle oracle(window);
        const Move press{focus ? focus->objectName() : QString(), {}};
        const qint16 esatti = env.state.NumeroEsatti;
        const qint16 errati = env.state.NumeroErrati;
        const bool right = oracle.rightMoves().contains(press);
        const bool wrong = oracle.wrongMoves().contains(press);
        QTest::keyClick(handle, Qt::Key_Space);
        QCOMPARE(env.state.NumeroEsatti, qint16(esatti + (right ? 1 : 0)));
        QCOMPARE(env.state.NumeroErrati, qint16(errati + (wrong ? 1 : 0)));
        QTest::keyClick(handle, Qt::Key_Tab);
    }
}

QTEST_MAIN(InputsEverywhere)
#include "tst_inputseverywhere.moc"
