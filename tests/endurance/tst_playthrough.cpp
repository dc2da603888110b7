// The program in a real X window, played with a real pointer: every click
// and every drag goes through the X server (xdotool), so Qt's own drag loop
// runs. The probe inside the program only says where things are.

#include "exercisecatalogue.h"
#include "pointerpupil.h"
#include "probeclient.h"
#include "xsession.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#ifndef VOCARIO_PROBED_PROGRAM
#error "VOCARIO_PROBED_PROGRAM must name the probed program"
#endif
#ifndef VOCARIO_PROGRAM
#error "VOCARIO_PROGRAM must name the program"
#endif
#ifndef VOCARIO_PLAYTHROUGH_ARTEFACTS
#error "VOCARIO_PLAYTHROUGH_ARTEFACTS must name the folder for failure screenshots"
#endif

using namespace vocario::endurance;

namespace {

constexpr int kWaitMs = 15000;
constexpr quint32 kRed = 0x0000FF;

QString formName(int numero) {
    return vocario::testing::exerciseWindowName(numero);
}

QStringList stringsOf(const QJsonValue& value) {
    QStringList list;
    for (const QJsonValue& item : value.toArray())
        list << item.toString();
    return list;
}

} // namespace

class PlayThrough : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void startScreenOpensTheMenu();
    void everyExerciseIsPlayedWithThePointer_data();
    void everyExerciseIsPlayedWithThePointer();
    void aDragAndAClickExerciseArePlayedWithTheKeyboardAlone();
    void aDragAndAClickExerciseArePlayedWithTapsAlone();
    void aDoubleClickOnAMenuButtonOrOnSiActsOnce();
    void menuEsciAnsweredNoThenSiEndsTheProgram();
    void aNamedPupilsAnswersAreRecordedOneByOne();
    void dropsAndClicksLandWhereTheyLookOnAFullScreen();
    void cleanup();
    void cleanupTestCase();

  private:
    QProcessEnvironment environment() const;
    void openExercise(int numero, bool waitForAvanti);
    void switchSoundOff();
    void showInformation();
    void giveWrongAnswer();
    void giveRightAnswer();
    void dropOutsideTheTargets();
    void finishItemThenAvanti();
    void finishItemAndSeeTheNextOne();
    void resetCounts();
    void leaveExercise(bool answerNoFirst);
    void tabTo(const QString& name);
    void pressKey(const QString& key);
    void playByKeyboard(int numero);
    void playByTaps(int numero);

    XSession x_;
    QTemporaryDir settings_;
    ProbeClient app_;
    PointerPupil pupil_{x_, app_};
    QElapsedTimer clock_;
};

void PlayThrough::initTestCase() {
    clock_.start();
    for (const char* tool : {"Xvfb", "xdotool", "import"})
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            QFAIL(qPrintable(QStringLiteral("%1 is missing: run scripts/install-deps.sh")
                                 .arg(QLatin1String(tool))));
    QDir().mkpath(QStringLiteral(VOCARIO_PLAYTHROUGH_ARTEFACTS));
    QString error;
    QVERIFY2(x_.start(&error), qPrintable(error));
    qInfo("X server on %s", qPrintable(x_.display()));
    QVERIFY2(app_.start(QStringLiteral(VOCARIO_PROBED_PROGRAM), environment(), &error),
             qPrintable(error));
    pupil_.waitUntil([](const ProgramView& v) { return v.windowName() == u"FormAvvio"; },
                     QStringLiteral("the start screen"));
}

QProcessEnvironment PlayThrough::environment() const {
    // The user's own options stay out of the test, and the test's out of them.
    QProcessEnvironment env = x_.environment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), settings_.path());
    return env;
}

void PlayThrough::cleanup() {
    if (!QTest::currentTestFailed())
        return;
    QString name = QString::fromLatin1(QTest::currentTestFunction());
    if (QTest::currentDataTag())
        name += u'-' + QString::fromLatin1(QTest::currentDataTag());
    const QString base = QStringLiteral(VOCARIO_PLAYTHROUGH_ARTEFACTS "/") + name;
    x_.screenshot(base + QStringLiteral(".png"));
    QFile dump(base + QStringLiteral(".json"));
    if (dump.open(QIODevice::WriteOnly))
        dump.write(QJsonDocument(pupil_.last().raw()).toJson());
    QFile log(base + QStringLiteral(".log"));
    if (log.open(QIODevice::WriteOnly))
        log.write(app_.log());
    qWarning("Screenshot, probe dump and program log kept in %s.*", qPrintable(base));
}

void PlayThrough::cleanupTestCase() {
    app_.kill();
    x_.stop();
    qInfo("Play-through took %.1f s", double(clock_.elapsed()) / 1000);
}

void PlayThrough::openExercise(int numero, bool waitForAvanti) {
    STEP(pupil_.waitUntil([](const ProgramView& v) { return v.windowName() == u"FormMenu"; },
                          QStringLiteral("the menu")));
    const QString option =
        waitForAvanti ? QStringLiteral("Option1(1)") : QStringLiteral("Option1(0)");
    if (!pupil_.look().control(option).value("checked").toBool())
        STEP(pupil_.clickControl(option));
    STEP(pupil_.waitUntil(
        [&](const ProgramView& v) {
            return v.control(option).value("checked").toBool() &&
                   v.state("AttendeBottone") == (waitForAvanti ? -1 : 0);
        },
        QStringLiteral("the choice ") + option));
    STEP(pupil_.clickControl(vocario::testing::exerciseMenuButton(numero)));
    const ProgramView view = pupil_.waitUntil(
        [&](const ProgramView& v) { return v.windowName() == formName(numero); }, formName(numero));
    STEP();
    QCOMPARE(view.control("EtichettaEsatti").value("text").toString(), QStringLiteral("0"));
    QCOMPARE(view.control("EtichettaErrati").value("text").toString(), QStringLiteral("0"));
    QCOMPARE(view.control("BottoneAvanti").value("visible").toBool(), waitForAvanti);
    QVERIFY(!view.control("BottoneAvanti").value("enabled").toBool());
}

void PlayThrough::switchSoundOff() {
    STEP(pupil_.clickAction(QStringLiteral("mnuSuono")));
    STEP(pupil_.waitUntil([](const ProgramView& v) { return !v.popup().isEmpty(); },
                          QStringLiteral("the Suono? menu")));
    STEP(pupil_.clickAction(QStringLiteral("mnuSuonoNo")));
    pupil_.waitUntil(
        [](const ProgramView& v) {
            return v.popup().isEmpty() && v.ticked("mnuSuonoNo") && !v.ticked("mnuSuonoSi");
        },
        QStringLiteral("\"no\" ticked"));
}

void PlayThrough::showInformation() {
    STEP(pupil_.clickAction(QStringLiteral("MenuInformazioni")));
    pupil_.answerBox(QStringLiteral("OK"));
}

void PlayThrough::giveWrongAnswer() {
    const ProgramView before = pupil_.look();
    const QList<PointerMove> wrong = movesOf(before.window().value("wrong"));
    QVERIFY2(!wrong.isEmpty(), "no wrong answer on offer");
    STEP(pupil_.perform(wrong.first()));
    const ProgramView after =
        pupil_.waitUntil([&](const ProgramView& v) { return v.errati() == before.errati() + 1; },
                         QStringLiteral("the wrong answer to count"));
    STEP();
    QCOMPARE(after.esatti(), before.esatti());
    QCOMPARE(after.control("EtichettaErrati").value("text").toString(),
             QStringLiteral(" %1").arg(after.errati()));
    QCOMPARE(after.window().value("back").toInteger(), 0);
    pupil_.checkScreenColour(after, 0, QStringLiteral("after a wrong answer"));
}

void PlayThrough::giveRightAnswer() {
    const ProgramView before = pupil_.look();
    const QList<PointerMove> right = movesOf(before.window().value("right"));
    QVERIFY2(!right.isEmpty(), "no right answer on offer");
    const PointerMove move = right.first();
    STEP(pupil_.perform(move));
    // Counted, or (intensity ordering counts whole items) the word placed.
    const ProgramView after = pupil_.waitUntil(
        [&](const ProgramView& v) {
            return v.esatti() != before.esatti() ||
                   !v.control(move.source).value("enabled").toBool();
        },
        QStringLiteral("the right answer %1 -> %2").arg(move.source, move.target));
    STEP();
    QCOMPARE(after.errati(), before.errati());
}

void PlayThrough::dropOutsideTheTargets() {
    const ProgramView before = pupil_.look();
    const QList<PointerMove> right = movesOf(before.window().value("right"));
    QVERIFY(!right.isEmpty());
    const QString word = right.first().source;
    STEP(pupil_.dragOntoNothing(word, QStringLiteral("Label1")));
    const ProgramView after = pupil_.look();
    QCOMPARE(after.esatti(), before.esatti());
    QCOMPARE(after.errati(), before.errati());
    QCOMPARE(after.control(word).value("text"), before.control(word).value("text"));
    QVERIFY(after.control(word).value("enabled").toBool());
}

void PlayThrough::finishItemThenAvanti() {
    for (int answers = 0; answers < 20; ++answers) {
        if (pupil_.look().control("BottoneAvanti").value("enabled").toBool())
            break;
        STEP(giveRightAnswer());
    }
    const ProgramView finished = pupil_.look();
    QVERIFY(finished.control("BottoneAvanti").value("enabled").toBool());
    const QStringList answers = stringsOf(finished.window().value("answerControls"));
    const bool dragging = !finished.window().value("dropTargets").toArray().isEmpty();
    for (const QString& name : answers) {
        const QJsonObject control = finished.control(name);
        QVERIFY2(!control.value("enabled").toBool(), qPrintable(name + " still takes answers"));
        if (dragging)
            QCOMPARE(control.value("text").toString(), QString());
    }
    if (!dragging) { // the pressed answer shows red while "avanti" waits
        bool red = false;
        for (const QString& name : answers)
            red = red || finished.control(name).value("back").toInteger() == kRed;
        QVERIFY2(red, "no answer shows red");
    }
    // Pressing a locked answer does nothing: nothing is counted.
    STEP(pupil_.clickControl(answers.first()));
    STEP(pupil_.clickControl(QStringLiteral("BottoneAvanti")));
    const ProgramView next = pupil_.waitUntil(
        [](const ProgramView& v) { return !v.control("BottoneAvanti").value("enabled").toBool(); },
        QStringLiteral("avanti to be greyed again"));
    STEP();
    QCOMPARE(next.esatti(), finished.esatti());
    QCOMPARE(next.errati(), finished.errati());
    for (const QString& name : answers) {
        QVERIFY2(next.control(name).value("enabled").toBool(), qPrintable(name + " stays locked"));
        QVERIFY(next.control(name).value("back").toInteger() != kRed);
    }
    QVERIFY(next.window().value("back").toInteger() != 0);
}

void PlayThrough::finishItemAndSeeTheNextOne() {
    const ProgramView start = pupil_.look();
    const QStringList answers = stringsOf(start.window().value("answerControls"));
    const bool dragging = !start.window().value("dropTargets").toArray().isEmpty();
    const bool itemsCounted = start.windowName() == u"Form7";
    const int needed = dragging ? int(answers.size()) : 1;
    for (int k = 0; k < needed; ++k)
        STEP(giveRightAnswer());
    const ProgramView next = pupil_.waitUntil(
        [&](const ProgramView& v) {
            for (const QString& name : answers)
                if (!v.control(name).value("enabled").toBool())
                    return false;
            return true;
        },
        QStringLiteral("the next item"));
    STEP();
    QCOMPARE(next.esatti(), start.esatti() + (itemsCounted ? 1 : needed));
    // The pupil sees the count with the item just finished in it.
    QCOMPARE(next.control("EtichettaEsatti").value("text").toString().trimmed().toInt(),
             next.esatti());
    QVERIFY(!next.control("BottoneAvanti").value("visible").toBool());
    const qint64 colour = next.window().value("back").toInteger();
    QVERIFY2(colour != 0, "the next item came on black");
    pupil_.checkScreenColour(next, colour, QStringLiteral("on the next item"));
}

void PlayThrough::resetCounts() {
    STEP(pupil_.clickAction(QStringLiteral("MenuAzzera")));
    pupil_.waitUntil(
        [](const ProgramView& v) {
            return v.esatti() == 0 && v.errati() == 0 &&
                   v.control("EtichettaEsatti").value("text").toString() == u"0" &&
                   v.control("EtichettaErrati").value("text").toString() == u"0";
        },
        QStringLiteral("both counts at 0"));
}

void PlayThrough::leaveExercise(bool answerNoFirst) {
    const ProgramView before = pupil_.look();
    if (answerNoFirst) {
        STEP(pupil_.clickAction(QStringLiteral("mnuEsci")));
        STEP(pupil_.answerBox(QStringLiteral("No")));
        const ProgramView stayed = pupil_.look();
        QCOMPARE(stayed.windowName(), before.windowName());
        QCOMPARE(stayed.esatti(), before.esatti());
        QCOMPARE(stayed.errati(), before.errati());
    }
    STEP(pupil_.clickAction(QStringLiteral("mnuEsci")));
    STEP(pupil_.answerBox(QStringLiteral("Si")));
    const ProgramView menu =
        pupil_.waitUntil([](const ProgramView& v) { return v.windowName() == u"FormMenu"; },
                         QStringLiteral("the menu after Esci"));
    STEP();
    QCOMPARE(menu.esatti(), 0);
    QCOMPARE(menu.errati(), 0);
    int programWindows = 0;
    for (const QJsonValue& window : menu.raw().value("windows").toArray())
        programWindows += window.toObject().value("name").toString().startsWith(u"Form");
    QCOMPARE(programWindows, 1);
}

void PlayThrough::startScreenOpensTheMenu() {
    STEP(pupil_.clickControl(QStringLiteral("BottoneAvvio")));
    const ProgramView menu =
        pupil_.waitUntil([](const ProgramView& v) { return v.windowName() == u"FormMenu"; },
                         QStringLiteral("the menu"));
    STEP();
    QVERIFY(menu.control("Option1(1)").value("checked").toBool());
}

void PlayThrough::everyExerciseIsPlayedWithThePointer_data() {
    QTest::addColumn<int>("numero");
    for (int numero = 1; numero <= vocario::testing::exerciseCount(); ++numero)
        QTest::newRow(qPrintable(formName(numero))) << numero;
}

void PlayThrough::everyExerciseIsPlayedWithThePointer() {
    QFETCH(int, numero);
    // Waiting for "avanti".
    STEP(openExercise(numero, true));
    if (numero == 1) {
        STEP(switchSoundOff());
        STEP(showInformation());
    }
    STEP(giveWrongAnswer());
    if (!pupil_.look().window().value("dropTargets").toArray().isEmpty())
        STEP(dropOutsideTheTargets());
    STEP(finishItemThenAvanti());
    STEP(giveRightAnswer());
    STEP(resetCounts());
    STEP(leaveExercise(true));
    // Moving on by itself.
    STEP(openExercise(numero, false));
    STEP(giveWrongAnswer());
    STEP(finishItemAndSeeTheNextOne());
    STEP(leaveExercise(false));
}

void PlayThrough::tabTo(const QString& name) {
    for (int stops = 0; stops < 40; ++stops) {
        const QString at = pupil_.look().focus();
        if (at == name)
            return;
        x_.key(QStringLiteral("Tab"));
        STEP(pupil_.waitUntil([&](const ProgramView& v) { return v.focus() != at; },
                              QStringLiteral("Tab to move on from ") + at));
    }
    QFAIL(qPrintable(QStringLiteral("Tab never reached ") + name));
}

void PlayThrough::pressKey(const QString& key) {
    x_.key(key);
}

// One exercise from the menu back to the menu, with the keyboard alone: a
// wrong place (the word stays picked, Esc puts it back), right answers to the
// end of the item and on, Esc answered with Return.
void PlayThrough::playByKeyboard(int numero) {
    STEP(pupil_.waitUntil([](const ProgramView& v) { return v.windowName() == u"FormMenu"; },
                          QStringLiteral("the menu")));
    STEP(tabTo(vocario::testing::exerciseMenuButton(numero)));
    pressKey(QStringLiteral("Return"));
    const ProgramView opened = pupil_.waitUntil(
        [&](const ProgramView& v) { return v.windowName() == formName(numero); }, formName(numero));
    STEP();
    QCOMPARE(opened.esatti() + opened.errati(), 0);
    const bool dragging = !opened.window().value("dropTargets").toArray().isEmpty();

    const PointerMove wrong = movesOf(opened.window().value("wrong")).first();
    STEP(tabTo(wrong.source));
    pressKey(QStringLiteral("space"));
    if (dragging) {
        STEP(pupil_.waitUntil([&](const ProgramView& v) { return v.picked() == wrong.source; },
                              QStringLiteral("the word picked")));
        STEP(tabTo(wrong.target));
        pressKey(QStringLiteral("space"));
    }
    const ProgramView after = pupil_.waitUntil([](const ProgramView& v) { return v.errati() == 1; },
                                               QStringLiteral("the wrong answer"));
    STEP();
    QCOMPARE(after.window().value("back").toInteger(), 0);
    if (dragging) {
        QCOMPARE(after.picked(), wrong.source);
        pressKey(QStringLiteral("Escape"));
        STEP(pupil_.waitUntil([](const ProgramView& v) { return v.picked().isEmpty(); },
                              QStringLiteral("Esc to put the word back")));
        QVERIFY(pupil_.look().messageBox().isEmpty());
    }

    const int needed =
        dragging ? int(stringsOf(opened.window().value("answerControls")).size()) : 1;
    for (int k = 1; k <= needed; ++k) {
        const PointerMove right = movesOf(pupil_.look().window().value("right")).first();
        STEP(tabTo(right.source));
        pressKey(k % 2 ? QStringLiteral("space") : QStringLiteral("Return"));
        if (dragging) {
            STEP(pupil_.waitUntil([&](const ProgramView& v) { return v.picked() == right.source; },
                                  QStringLiteral("the word picked")));
            STEP(tabTo(right.target));
            pressKey(QStringLiteral("space"));
        }
        STEP(pupil_.waitUntil([&](const ProgramView& v) { return v.esatti() == k; },
                              QStringLiteral("right answer %1").arg(k)));
    }
    const ProgramView finished = pupil_.look();
    if (finished.control("BottoneAvanti").value("visible").toBool()) {
        // "avanti" is the next thing to press, and has the focus.
        QVERIFY(finished.control("BottoneAvanti").value("enabled").toBool());
        QCOMPARE(finished.focus(), QStringLiteral("BottoneAvanti"));
        pressKey(QStringLiteral("space"));
        const ProgramView next = pupil_.waitUntil(
            [](const ProgramView& v) {
                return !v.control("BottoneAvanti").value("enabled").toBool();
            },
            QStringLiteral("the next item"));
        STEP();
        // The keyboard goes on from the first answer of the new item.
        QVERIFY2(stringsOf(next.window().value("answerControls")).contains(next.focus()),
                 qPrintable(QStringLiteral("the focus is on ") + next.focus()));
    }
    QVERIFY(!movesOf(pupil_.look().window().value("right")).isEmpty()); // a new item is on
    pressKey(QStringLiteral("Escape"));
    STEP(pupil_.waitUntil([](const ProgramView& v) { return !v.boxButton("Si").isEmpty(); },
                          QStringLiteral("\"Vuoi tornare al menù?\"")));
    pressKey(QStringLiteral("Return")); // "Sì" is the default answer
    STEP(pupil_.waitUntil([](const ProgramView& v) { return v.windowName() == u"FormMenu"; },
                          QStringLiteral("the menu after Esc")));
}

void PlayThrough::aDragAndAClickExerciseArePlayedWithTheKeyboardAlone() {
    STEP(playByKeyboard(1));
    STEP(playByKeyboard(6));
    // With "avanti" to press: a choice exercise, whose answers lock meanwhile.
    STEP(tabTo(QStringLiteral("Option1(1)")));
    pressKey(QStringLiteral("space"));
    STEP(playByKeyboard(3));
}

// The same with clicks that never move while the button is down, as a tap.
void PlayThrough::playByTaps(int numero) {
    STEP(pupil_.waitUntil([](const ProgramView& v) { return v.windowName() == u"FormMenu"; },
                          QStringLiteral("the menu")));
    STEP(pupil_.clickControl(vocario::testing::exerciseMenuButton(numero)));
    const ProgramView opened = pupil_.waitUntil(
        [&](const ProgramView& v) { return v.windowName() == formName(numero); }, formName(numero));
    STEP();
    const bool dragging = !opened.window().value("dropTargets").toArray().isEmpty();
    auto tapAnswer = [&](const PointerMove& move) {
        STEP(pupil_.clickControl(move.source));
        if (dragging) {
            STEP(pupil_.waitUntil([&](const ProgramView& v) { return v.picked() == move.source; },
                                  QStringLiteral("the word picked by a tap")));
            STEP(pupil_.clickControl(move.target));
        }
    };
    const PointerMove wrong = movesOf(opened.window().value("wrong")).first();
    STEP(tapAnswer(wrong));
    STEP(pupil_.waitUntil([](const ProgramView& v) { return v.errati() == 1; },
                          QStringLiteral("the wrong answer")));
    if (dragging) { // still picked; a tap on it puts it back
        QCOMPARE(pupil_.look().picked(), wrong.source);
        STEP(pupil_.clickControl(wrong.source));
        STEP(pupil_.waitUntil([](const ProgramView& v) { return v.picked().isEmpty(); },
                              QStringLiteral("the word put back")));
        // A tap on the same word at once would be the second click of a double click.
        QTest::qWait(600);
    }
    const int needed =
        dragging ? int(stringsOf(opened.window().value("answerControls")).size()) : 1;
    for (int k = 1; k <= needed; ++k) {
        STEP(tapAnswer(movesOf(pupil_.look().window().value("right")).first()));
        STEP(pupil_.waitUntil([&](const ProgramView& v) { return v.esatti() == k; },
                              QStringLiteral("right answer %1").arg(k)));
    }
    STEP(leaveExercise(false));
}

void PlayThrough::aDragAndAClickExerciseArePlayedWithTapsAlone() {
    STEP(playByTaps(5));
    STEP(playByTaps(9));
}

void PlayThrough::aDoubleClickOnAMenuButtonOrOnSiActsOnce() {
    for (int numero = 1; numero <= vocario::testing::exerciseCount(); ++numero) {
        const ProgramView menu =
            pupil_.waitUntil([](const ProgramView& v) { return v.windowName() == u"FormMenu"; },
                             QStringLiteral("the menu"));
        STEP();
        // The second click falls on the exercise the first one opened.
        x_.doubleClick(
            ProgramView::centreOf(menu.control(vocario::testing::exerciseMenuButton(numero))), 120);
        STEP(pupil_.waitUntil(
            [&](const ProgramView& v) { return v.windowName() == formName(numero); },
            formName(numero)));
        QTest::qWait(500);
        const ProgramView opened = pupil_.look();
        QCOMPARE(opened.windowName(), formName(numero));
        QCOMPARE(opened.esatti(), 0);
        QCOMPARE(opened.errati(), 0);
        QVERIFY(opened.picked().isEmpty());
        // The second click on "Sì" falls on the new menu.
        STEP(pupil_.clickAction(QStringLiteral("mnuEsci")));
        const ProgramView asking =
            pupil_.waitUntil([](const ProgramView& v) { return !v.boxButton("Si").isEmpty(); },
                             QStringLiteral("\"Vuoi tornare al menù?\""));
        STEP();
        x_.doubleClick(ProgramView::centreOf(asking.boxButton("Si")), 120);
        STEP(pupil_.waitUntil([](const ProgramView& v) { return v.windowName() == u"FormMenu"; },
                              QStringLiteral("the menu after Sì")));
        QTest::qWait(500);
        QCOMPARE(pupil_.look().windowName(), QStringLiteral("FormMenu"));
    }
}

void PlayThrough::menuEsciAnsweredNoThenSiEndsTheProgram() {
    STEP(pupil_.clickControl(QStringLiteral("Command1")));
    STEP(pupil_.answerBox(QStringLiteral("No")));
    QCOMPARE(pupil_.look().windowName(), QStringLiteral("FormMenu"));
    STEP(pupil_.clickControl(QStringLiteral("Command1")));
    const ProgramView asking =
        pupil_.waitUntil([](const ProgramView& v) { return !v.boxButton("Si").isEmpty(); },
                         QStringLiteral("\"Vuoi uscire dal programma?\""));
    STEP();
    x_.click(ProgramView::centreOf(asking.boxButton("Si")));
    QCOMPARE(app_.waitForEnd(kWaitMs), 0);
}

// A class set up from a file by the shipped program, a pupil picked in
// "Chi gioca?" by the keys, two exercises played with the pointer: the
// register holds each answer as it was given, in order.
void PlayThrough::aNamedPupilsAnswersAreRecordedOneByOne() {
    QTemporaryDir data;
    QFile list(data.filePath(QStringLiteral("classe.txt")));
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write(QStringLiteral("5ª B, Aldo\n5ª B, Bea\n5ª B, Cèsare\n").toUtf8());
    list.close();
    QProcessEnvironment env = environment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
    QProcess import;
    import.setProcessEnvironment(env);
    import.start(QStringLiteral(VOCARIO_PROGRAM),
                 {QStringLiteral("--importa-classi"), list.fileName()});
    QVERIFY(import.waitForFinished(kWaitMs));
    QCOMPARE(import.exitCode(), 0);
    const QString file = data.filePath(QStringLiteral("vocario/registro.sqlite"));
    QVERIFY2(QFile::exists(file), qPrintable(file));

    QString error;
    app_.kill(); // ended by the test before, unless this one runs alone
    QVERIFY2(app_.start(QStringLiteral(VOCARIO_PROBED_PROGRAM), env, &error), qPrintable(error));
    STEP(pupil_.waitUntil([](const ProgramView& v) { return v.windowName() == u"FormAvvio"; },
                          QStringLiteral("the start screen")));
    STEP(pupil_.clickControl(QStringLiteral("BottoneAvvio")));
    const ProgramView asking = pupil_.waitUntil(
        [](const ProgramView& v) {
            return v.windowName() == u"ChiGioca" && v.focus() == u"Alunno(0)";
        },
        QStringLiteral("\"Chi gioca?\" on its first name"));
    STEP();
    QCOMPARE(asking.control("Alunno(2)").value("text").toString(), QStringLiteral("Cèsare"));
    QCOMPARE(asking.control("Ospite").value("text").toString(), QStringLiteral("Ospite"));
    pressKey(QStringLiteral("Right"));
    STEP(pupil_.waitUntil([](const ProgramView& v) { return v.focus() == u"Alunno(1)"; },
                          QStringLiteral("the arrow to Bea")));
    pressKey(QStringLiteral("Return"));

    struct Given {
        QString exercise, word, place;
        bool right;
    };
    QList<Given> given;
    auto answer = [&](const char* exercise, bool right) {
        const ProgramView before = pupil_.look();
        const PointerMove move = movesOf(before.window().value(right ? "right" : "wrong")).value(0);
        given.append({QLatin1String(exercise), before.control(move.source).value("text").toString(),
                      before.control(move.target).value("text").toString(), right});
        right ? giveRightAnswer() : giveWrongAnswer();
    };
    STEP(openExercise(1, false));
    STEP(answer("abbina-contrari", false));
    STEP(answer("abbina-contrari", true));
    STEP(answer("abbina-contrari", true));
    STEP(leaveExercise(false));
    STEP(openExercise(6, false));
    STEP(answer("parola-intrusa", false));
    STEP(answer("parola-intrusa", true));
    STEP(leaveExercise(false));

    // Written off the window's thread: read until all are there.
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("letto"));
    db.setDatabaseName(file);
    QVERIFY(db.open());
    QList<QStringList> rows;
    for (QDeadlineTimer deadline(kWaitMs); rows.size() < given.size() && !deadline.hasExpired();
         QTest::qWait(100)) {
        rows.clear();
        QSqlQuery q(db);
        q.exec(QStringLiteral("SELECT r.esercizio, r.voce, r.dato, r.esatta, a.nome FROM "
                              "risposte_con_voci r JOIN alunni a ON a.id = r.alunno "
                              "ORDER BY r.quando"));
        while (q.next())
            rows.append({q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                         q.value(3).toString(), q.value(4).toString()});
    }
    db.close();
    db = {};
    QSqlDatabase::removeDatabase(QStringLiteral("letto"));
    app_.kill();
    QCOMPARE(rows.size(), given.size());
    for (qsizetype k = 0; k < given.size(); ++k) {
        const QString at = QStringLiteral("answer %1: %2").arg(k).arg(rows[k].join(u'|'));
        QVERIFY2(rows[k][0] == given[k].exercise, qPrintable(at));
        // Given: the place a word was dropped on, or the word clicked.
        QVERIFY2(rows[k][2] == (given[k].place.isEmpty() ? given[k].word : given[k].place),
                 qPrintable(at));
        QVERIFY2(rows[k][3] == (given[k].right ? u"1" : u"0"), qPrintable(at));
        QVERIFY2(rows[k][4] == u"Bea", qPrintable(at));
        // The item the pupil acted on: the dragged word's pair, or the tiles clicked in.
        QVERIFY2(rows[k][1].split(QStringLiteral(" / ")).contains(given[k].word), qPrintable(at));
    }
}

void PlayThrough::dropsAndClicksLandWhereTheyLookOnAFullScreen() {
    // The program again, for a classroom board: the design enlarged over
    // the whole screen. A real drag still lands on its target and a click
    // on its word.
    QString error;
    QVERIFY2(app_.start(QStringLiteral(VOCARIO_PROBED_PROGRAM), environment(), &error,
                        {QStringLiteral("--dimensione"), QStringLiteral("schermo-intero")}),
             qPrintable(error));
    const ProgramView start =
        pupil_.waitUntil([](const ProgramView& v) { return v.windowName() == u"FormAvvio"; },
                         QStringLiteral("the start screen"));
    STEP();
    const QImage screen = x_.screenshot();
    QCOMPARE(ProgramView::rectOf(start.window()), screen.rect());
    STEP(pupil_.clickControl(QStringLiteral("BottoneAvvio")));
    STEP(openExercise(1, true));
    const ProgramView form1 = pupil_.look();
    QCOMPARE(ProgramView::rectOf(form1.window()), screen.rect());
    // Label4(0) is 3495 twips wide: 233 pixels at the design's size.
    QVERIFY(ProgramView::rectOf(form1.control("Label4(0)")).width() > 300);
    STEP(giveRightAnswer());
    STEP(giveWrongAnswer());
    STEP(leaveExercise(false));
    STEP(openExercise(4, false));
    STEP(giveRightAnswer());
    QCOMPARE(pupil_.look().esatti(), 1);
    app_.kill();
}

QTEST_GUILESS_MAIN(PlayThrough)
#include "tst_playthrough.moc"
