// The end of the program by the title-bar close control, in every state of
// every window, and word lists a teacher edits while the program runs.

#include "exercisecatalogue.h"
#include "exercisedriving.h"
#include "harmlessnoise.h"
#include "messageboxanswerer.h"
#include "windowsnapshot.h"

#include "app/formavvio.h"
#include "app/formmenu.h"
#include "layouts/designtextbox.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QtTest>

using namespace vocario;
using namespace vocario::endurance;

namespace {

constexpr int kWatchdogMs = 10000;
constexpr int kRecords = 12;

struct ListOf {
    QString file;
    int fields;
};

// The lists each exercise reads when it opens.
QList<ListOf> listsOf(int numero) {
    switch (numero) {
    case 1:
        return {{QStringLiteral("contrari.txt"), 2}};
    case 2:
        return {{QStringLiteral("sinonimi.txt"), 2}};
    case 3:
        return {{QStringLiteral("sinonimi.txt"), 2}, {QStringLiteral("contrari.txt"), 2}};
    case 4:
        return {{QStringLiteral("aree1.txt"), 4}};
    case 5:
    case 7:
        return {{QStringLiteral("gradi.txt"), 2}};
    case 6:
        return {{QStringLiteral("aree2.txt"), 3}};
    case 8:
        return {{QStringLiteral("modididire.txt"), 2}};
    default:
        return {{QStringLiteral("vocario.txt"), 5}};
    }
}

// A list whose every word carries `tag`, so that its words are known on screen.
QString listTagged(const QString& tag, int fields, int records = kRecords) {
    QStringList lines;
    for (int r = 1; r <= records; ++r) {
        QStringList words;
        for (int f = 1; f <= fields; ++f)
            words << QStringLiteral("%1r%2f%3").arg(tag).arg(r).arg(f);
        lines << words.join(u',');
    }
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

// Every word the exercise window shows (answers, places, the text box).
QStringList wordsOnShow(const ExerciseWindow* window) {
    const AnswerOracle oracle(window);
    QStringList words;
    // Form3's answer buttons keep their captions "sinonimi" and "contrari".
    const QStringList controls = window->objectName() == u"Form3"
                                     ? QStringList()
                                     : oracle.answerControls() + oracle.dropTargets();
    for (const QString& name : controls) {
        const QWidget* control = window->control(name);
        if (const auto* label = qobject_cast<const QLabel*>(control))
            words << label->text();
        else if (const auto* button = qobject_cast<const QAbstractButton*>(control))
            words << button->text();
    }
    if (const auto* box = window->findChild<DesignTextBox*>(QStringLiteral("Text1")))
        words << box->text();
    words.removeAll(QString());
    return words;
}

bool allCarry(const QStringList& words, const QString& tag) {
    for (const QString& word : words)
        if (!word.contains(tag))
            return false;
    return !words.isEmpty();
}

} // namespace

class ClosingAndLists : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { silenceHarmlessNoise(); }
    void closingTheOnlyWindowEndsTheProgram_data();
    void closingTheOnlyWindowEndsTheProgram();
    void aListEditedWhileTheProgramRunsIsReadAgainAtTheNextOpening_data();
    void aListEditedWhileTheProgramRunsIsReadAgainAtTheNextOpening();
    void aTeachersListTakesThePlaceOfTheProgramsFileByFile();

  private:
    QWidget* openFromMenu(int numero);
    void leaveToMenu(ExerciseWindow* window);

    SimulatedMouse mouse_;
    testing::MessageBoxAnswerer answerer_;
};

void ClosingAndLists::closingTheOnlyWindowEndsTheProgram_data() {
    QTest::addColumn<int>("numero");
    QTest::addColumn<QString>("state");
    QTest::newRow("FormAvvio") << -1 << QString();
    QTest::newRow("FormMenu") << 0 << QString();
    for (int numero = 1; numero <= testing::exerciseCount(); ++numero)
        for (const char* state : {"item open", "after a wrong answer", "waiting for avanti",
                                  "moving on by itself", "sound off", "counts reset"})
            QTest::newRow(
                qPrintable(testing::exerciseWindowName(numero) + u' ' + QLatin1String(state)))
                << numero << QString::fromLatin1(state);
}

void ClosingAndLists::closingTheOnlyWindowEndsTheProgram() {
    QFETCH(int, numero);
    QFETCH(QString, state);
    testing::TestEnvironment env;
    env.useShippedLists();
    QWidget* window = nullptr;
    if (numero == -1) {
        window = new FormAvvio(env.state);
        window->show();
    } else if (numero == 0) {
        window = Navigazione::mostraMenu(nullptr);
    } else {
        ExerciseWindow* exercise = openExercise(env.state, numero, state != u"moving on by itself");
        QVERIFY(exercise);
        window = exercise;
        if (state == u"after a wrong answer") {
            give(exercise, AnswerOracle(exercise).wrongMoves().first(), mouse_);
            QCOMPARE(exercise->backColour(), 0u);
        } else if (state == u"waiting for avanti") {
            QVERIFY(finishItem(exercise, mouse_));
        } else if (state == u"moving on by itself") {
            give(exercise, AnswerOracle(exercise).rightMoves().first(), mouse_);
        } else if (state == u"sound off" && numero != 2) {
            exercise->findChild<QAction*>(QStringLiteral("mnuSuonoNo"))->trigger();
        } else if (state == u"counts reset") {
            give(exercise, AnswerOracle(exercise).rightMoves().first(), mouse_);
            exercise->findChild<QAction*>(QStringLiteral("MenuAzzera"))->trigger();
        }
    }
    QCOMPARE(testing::TestEnvironment::visibleWindows(), QList<QWidget*>{window});
    QPointer<QWidget> guard(window);
    // The title-bar control closes the platform window; the program has no
    // handler of its own for it, so nothing is asked and the program ends.
    QTimer::singleShot(0, window, [window] { window->windowHandle()->close(); });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    watchdog.start(kWatchdogMs);
    QCOMPARE(QApplication::exec(), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY2(guard.isNull(), "the closed window is still there");
    QVERIFY(testing::TestEnvironment::visibleWindows().isEmpty());
    QCOMPARE(env.endRequests, 0);
    QVERIFY(answerer_.texts().isEmpty());
}

QWidget* ClosingAndLists::openFromMenu(int numero) {
    QWidget* menu = testing::TestEnvironment::visibleWindows().value(0);
    if (!qobject_cast<FormMenu*>(menu))
        return nullptr;
    mouse_.click(menu->findChild<QWidget*>(vocario::testing::exerciseMenuButton(numero)));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const QList<QWidget*> shown = testing::TestEnvironment::visibleWindows();
    return shown.size() == 1 ? shown.first() : nullptr;
}

void ClosingAndLists::leaveToMenu(ExerciseWindow* window) {
    answerer_.answerNext(QStringLiteral("Sì"));
    window->findChild<QAction*>(QStringLiteral("mnuEsci"))->trigger();
    QVERIFY(answerer_.waitUntilAnswered());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void ClosingAndLists::aListEditedWhileTheProgramRunsIsReadAgainAtTheNextOpening_data() {
    QTest::addColumn<int>("numero");
    for (int numero = 1; numero <= testing::exerciseCount(); ++numero)
        QTest::newRow(qPrintable(testing::exerciseWindowName(numero))) << numero;
}

void ClosingAndLists::aListEditedWhileTheProgramRunsIsReadAgainAtTheNextOpening() {
    QFETCH(int, numero);
    testing::TestEnvironment env;
    const QList<ListOf> lists = listsOf(numero);
    const auto writeAll = [&](const QString& tag) {
        for (const ListOf& list : lists)
            env.writeList(list.file, listTagged(tag, list.fields));
    };
    writeAll(QStringLiteral("zqa"));
    env.state.AttendeBottone = -1;
    Navigazione::mostraMenu(nullptr);

    auto* window = qobject_cast<ExerciseWindow*>(openFromMenu(numero));
    QVERIFY(window);
    QVERIFY2(allCarry(wordsOnShow(window), QStringLiteral("zqa")),
             qPrintable(wordsOnShow(window).join(u'|')));
    // Edited while the window is open: the window read its list when it
    // opened and goes on with it, item after item.
    writeAll(QStringLiteral("zqb"));
    QVERIFY(finishItem(window, mouse_));
    mouse_.click(window->bottoneAvanti());
    QVERIFY2(allCarry(wordsOnShow(window), QStringLiteral("zqa")),
             qPrintable(wordsOnShow(window).join(u'|')));
    leaveToMenu(window);

    window = qobject_cast<ExerciseWindow*>(openFromMenu(numero));
    QVERIFY(window);
    QVERIFY2(allCarry(wordsOnShow(window), QStringLiteral("zqb")),
             qPrintable(wordsOnShow(window).join(u'|')));
    leaveToMenu(window);

    // Edits that leave a list unusable: the exercise says why over the menu
    // and does not open; nothing else changes.
    const ListOf first = lists.first();
    const QList<std::pair<const char*, QByteArray>> broken{
        {"emptied", QByteArray()},
        {"a quote left open", listTagged(QStringLiteral("zqc"), first.fields).toUtf8() + "\"zq,"},
        {"cut inside a record", listTagged(QStringLiteral("zqc"), first.fields).toUtf8() + "zqcut"},
        {"not text", QByteArray("zq\0\1\2\3,zq\0", 10)},
        {"too long", listTagged(QStringLiteral("zqc"), first.fields, 1000).toUtf8()},
    };
    for (const auto& [what, content] : broken) {
        env.writeListBytes(first.file, content);
        answerer_.answerNext(QStringLiteral("OK"));
        QWidget* shown = openFromMenu(numero);
        QVERIFY2(qobject_cast<FormMenu*>(shown), what);
        QCOMPARE(answerer_.pending(), 0);
        QVERIFY2(!answerer_.texts().last().isEmpty(), what);
        QCOMPARE(env.state.NumeroEsatti, qint16(0));
    }
    QVERIFY(QFile::remove(env.folder() + QStringLiteral("/testi/") + first.file));
    answerer_.answerNext(QStringLiteral("OK"));
    QVERIFY(qobject_cast<FormMenu*>(openFromMenu(numero)));
    QVERIFY(answerer_.texts().last().contains(first.file));

    // Put right again, the list is read at the next opening.
    writeAll(QStringLiteral("zqd"));
    window = qobject_cast<ExerciseWindow*>(openFromMenu(numero));
    QVERIFY(window);
    QVERIFY2(allCarry(wordsOnShow(window), QStringLiteral("zqd")),
             qPrintable(wordsOnShow(window).join(u'|')));
}

void ClosingAndLists::aTeachersListTakesThePlaceOfTheProgramsFileByFile() {
    testing::TestEnvironment env;
    env.writeList(QStringLiteral("contrari.txt"), listTagged(QStringLiteral("zqp"), 2));
    env.writeList(QStringLiteral("sinonimi.txt"), listTagged(QStringLiteral("zqp"), 2));
    env.writeTeacherList(QStringLiteral("contrari.txt"), listTagged(QStringLiteral("zqt"), 2));
    Navigazione::mostraMenu(nullptr);
    const auto showsAndLeaves = [&](int numero, const QString& tag) {
        auto* window = qobject_cast<ExerciseWindow*>(openFromMenu(numero));
        if (!window)
            return false;
        const bool carries = allCarry(wordsOnShow(window), tag);
        leaveToMenu(window);
        return carries;
    };
    QVERIFY(showsAndLeaves(1, QStringLiteral("zqt")));
    QVERIFY(showsAndLeaves(2, QStringLiteral("zqp")));

    // A broken list of the teacher's is refused by its own name; the
    // program's list of the same name does not stand in for it.
    env.writeTeacherList(QStringLiteral("contrari.txt"), QStringLiteral("alto, basso, troppo\n"));
    answerer_.answerNext(QStringLiteral("OK"));
    QVERIFY(qobject_cast<FormMenu*>(openFromMenu(1)));
    QVERIFY2(answerer_.texts().last().contains(
                 QDir::toNativeSeparators(env.teacherFolder() + QStringLiteral("/contrari.txt"))),
             qPrintable(answerer_.texts().last()));

    QVERIFY(QFile::remove(env.teacherFolder() + QStringLiteral("/contrari.txt")));
    QVERIFY(showsAndLeaves(1, QStringLiteral("zqp")));
}

QTEST_MAIN(ClosingAndLists)
#include "tst_closingandlists.moc"
