// The program in a real X window, played with a real pointer: every click
// and every drag goes through the X server (xdotool), so Qt's own drag loop
// runs. The probe inside the program only says where things are.

#include "probeclient.h"
#include "xsession.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QStandardPaths>
#include <QtTest>
#include <functional>

#ifndef VOCARIO_PROBED_PROGRAM
#error "VOCARIO_PROBED_PROGRAM must name the probed program"
#endif
#ifndef VOCARIO_PLAYTHROUGH_ARTEFACTS
#error "VOCARIO_PLAYTHROUGH_ARTEFACTS must name the folder for failure screenshots"
#endif

using namespace vocario::endurance;

// Stops the test function when a helper has recorded a failure.
#define STEP(call)                                                                                 \
    do {                                                                                           \
        call;                                                                                      \
        if (QTest::currentTestFailed())                                                            \
            return;                                                                                \
    } while (false)

namespace {

constexpr int kWaitMs = 15000;
constexpr int kDragSteps = 8;
constexpr quint32 kRed = 0x0000FF;

QString formName(int numero) {
    return QStringLiteral("Form%1").arg(numero);
}

QRgb rgbOf(qint64 bgr) {
    return qRgb(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

QStringList stringsOf(const QJsonValue& value) {
    QStringList list;
    for (const QJsonValue& item : value.toArray())
        list << item.toString();
    return list;
}

struct PointerMove {
    QString source;
    QString target; // empty: a click on source
};

QList<PointerMove> movesOf(const QJsonValue& value) {
    QList<PointerMove> moves;
    for (const QJsonValue& item : value.toArray())
        moves.append({item.toArray().at(0).toString(), item.toArray().at(1).toString()});
    return moves;
}

} // namespace

class PlayThrough : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void startScreenOpensTheMenu();
    void everyExerciseIsPlayedWithThePointer_data();
    void everyExerciseIsPlayedWithThePointer();
    void menuEsciAnsweredNoThenSiEndsTheProgram();
    void cleanup();
    void cleanupTestCase();

  private:
    ProgramView look();
    ProgramView waitUntil(const std::function<bool(const ProgramView&)>& done, const QString& what);

    void clickControl(const QString& name);
    void clickAction(const QString& name);
    void answerBox(const QString& button);
    void dragWord(const QString& source, const QString& target);
    void dragOntoNothing(const QString& source, const QString& over);
    void perform(const PointerMove& move);

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
    void checkScreenColour(const ProgramView& view, qint64 bgr, const QString& when);

    XSession x_;
    ProbeClient app_;
    ProgramView last_;
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
    QVERIFY2(app_.start(QStringLiteral(VOCARIO_PROBED_PROGRAM), x_.environment(), &error),
             qPrintable(error));
    waitUntil([](const ProgramView& v) { return v.windowName() == u"FormAvvio"; },
              QStringLiteral("the start screen"));
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
        dump.write(QJsonDocument(last_.raw()).toJson());
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

ProgramView PlayThrough::look() {
    last_ = app_.look();
    return last_;
}

ProgramView PlayThrough::waitUntil(const std::function<bool(const ProgramView&)>& done,
                                   const QString& what) {
    QDeadlineTimer deadline(kWaitMs);
    while (!deadline.hasExpired()) {
        const ProgramView view = look();
        if (!view.isValid())
            break; // the program no longer answers
        if (done(view))
            return view;
        QTest::qWait(15);
    }
    QTest::qFail(qPrintable(QStringLiteral("Waited in vain for %1 (window on show: %2)")
                                .arg(what, last_.windowName())),
                 __FILE__, __LINE__);
    return {};
}

void PlayThrough::clickControl(const QString& name) {
    const QJsonObject control = look().control(name);
    QVERIFY2(control.value("visible").toBool(), qPrintable(name + QStringLiteral(" not on show")));
    QRect rect = ProgramView::rectOf(control);
    // An option button reacts on its round mark and its caption, not beside them.
    if (control.value("class").toString() == u"DesignOptionButton" ||
        control.value("class").toString() == u"QRadioButton")
        rect.setWidth(16);
    x_.click(rect.center());
}

void PlayThrough::clickAction(const QString& name) {
    const QJsonObject action = look().action(name);
    QVERIFY2(!action.isEmpty(), qPrintable(name + QStringLiteral(" not in the menu")));
    x_.click(ProgramView::centreOf(action));
}

void PlayThrough::answerBox(const QString& button) {
    const ProgramView view =
        waitUntil([&](const ProgramView& v) { return !v.boxButton(button).isEmpty(); },
                  QStringLiteral("a message box with ") + button);
    STEP();
    QCOMPARE(view.messageBox().value("title").toString(), QStringLiteral("Vocario"));
    x_.click(ProgramView::centreOf(view.boxButton(button)));
    waitUntil([](const ProgramView& v) { return v.messageBox().isEmpty(); },
              QStringLiteral("the message box to close"));
}

void PlayThrough::dragWord(const QString& source, const QString& target) {
    const ProgramView before = look();
    const QPoint from = ProgramView::centreOf(before.control(source));
    const QPoint to = ProgramView::centreOf(before.control(target));
    x_.moveTo(from);
    x_.press();
    for (int step = 1; step <= kDragSteps; ++step)
        x_.moveTo(from + (to - from) * step / kDragSteps);
    // The word must be over its target, as Qt's drag sees it, before the
    // button goes up; a small nudge makes the drag look again.
    QDeadlineTimer deadline(kWaitMs);
    for (int nudge = 0; look().dragOver() != target && !deadline.hasExpired(); ++nudge) {
        QTest::qWait(15);
        if (nudge % 20 == 19)
            x_.moveTo(to + QPoint(nudge % 40 == 19 ? 1 : 0, 0));
    }
    QVERIFY2(last_.dragOver() == target,
             qPrintable(QStringLiteral("%1 never got over %2").arg(source, target)));
    x_.release();
    waitUntil([&](const ProgramView& v) { return v.drops() > before.drops() && !v.dragActive(); },
              QStringLiteral("the drop of %1 on %2").arg(source, target));
}

void PlayThrough::dragOntoNothing(const QString& source, const QString& over) {
    const ProgramView before = look();
    const QPoint from = ProgramView::centreOf(before.control(source));
    const QPoint to = ProgramView::centreOf(before.control(over));
    x_.moveTo(from);
    x_.press();
    for (int step = 1; step <= kDragSteps; ++step)
        x_.moveTo(from + (to - from) * step / kDragSteps);
    STEP(waitUntil([](const ProgramView& v) { return v.dragActive(); },
                   QStringLiteral("a drag of ") + source));
    x_.release();
    const ProgramView after = waitUntil([](const ProgramView& v) { return !v.dragActive(); },
                                        QStringLiteral("the drag to end"));
    STEP();
    QCOMPARE(after.drops(), before.drops());
}

void PlayThrough::perform(const PointerMove& move) {
    if (move.target.isEmpty())
        clickControl(move.source);
    else
        dragWord(move.source, move.target);
}

void PlayThrough::checkScreenColour(const ProgramView& view, qint64 bgr, const QString& when) {
    const QJsonArray sample = view.window().value("sample").toArray();
    QCOMPARE(sample.size(), 2);
    const QPoint at(sample[0].toInt(), sample[1].toInt());
    // The window repaints after the change the probe reported: look again
    // until the screen shows it.
    QRgb seen = 0;
    QDeadlineTimer deadline(kWaitMs);
    do {
        const QImage screen = x_.screenshot();
        QVERIFY2(!screen.isNull(), "no screenshot");
        seen = screen.pixel(at);
        if (seen == rgbOf(bgr))
            return;
        QTest::qWait(30);
    } while (!deadline.hasExpired());
    QFAIL(qPrintable(QStringLiteral("%1: the screen shows #%2 at (%3, %4), expected #%5")
                         .arg(when)
                         .arg(seen & 0xFFFFFF, 6, 16, QLatin1Char('0'))
                         .arg(at.x())
                         .arg(at.y())
                         .arg(rgbOf(bgr) & 0xFFFFFF, 6, 16, QLatin1Char('0'))));
}

void PlayThrough::openExercise(int numero, bool waitForAvanti) {
    STEP(waitUntil([](const ProgramView& v) { return v.windowName() == u"FormMenu"; },
                   QStringLiteral("the menu")));
    const QString option =
        waitForAvanti ? QStringLiteral("Option1(1)") : QStringLiteral("Option1(0)");
    if (!look().control(option).value("checked").toBool())
        STEP(clickControl(option));
    STEP(waitUntil(
        [&](const ProgramView& v) {
            return v.control(option).value("checked").toBool() &&
                   v.state("AttendeBottone") == (waitForAvanti ? -1 : 0);
        },
        QStringLiteral("the choice ") + option));
    STEP(clickControl(QStringLiteral("Command%1").arg(numero + 1)));
    const ProgramView view = waitUntil(
        [&](const ProgramView& v) { return v.windowName() == formName(numero); }, formName(numero));
    STEP();
    QCOMPARE(view.control("EtichettaEsatti").value("text").toString(), QStringLiteral("0"));
    QCOMPARE(view.control("EtichettaErrati").value("text").toString(), QStringLiteral("0"));
    QCOMPARE(view.control("BottoneAvanti").value("visible").toBool(), waitForAvanti);
    QVERIFY(!view.control("BottoneAvanti").value("enabled").toBool());
}

void PlayThrough::switchSoundOff() {
    STEP(clickAction(QStringLiteral("mnuSuono")));
    STEP(waitUntil([](const ProgramView& v) { return !v.popup().isEmpty(); },
                   QStringLiteral("the Suono? menu")));
    STEP(clickAction(QStringLiteral("mnuSuonoNo")));
    waitUntil(
        [](const ProgramView& v) {
            return v.popup().isEmpty() && v.ticked("mnuSuonoNo") && !v.ticked("mnuSuonoSi");
        },
        QStringLiteral("\"no\" ticked"));
}

void PlayThrough::showInformation() {
    STEP(clickAction(QStringLiteral("MenuInformazioni")));
    answerBox(QStringLiteral("OK"));
}

void PlayThrough::giveWrongAnswer() {
    const ProgramView before = look();
    const QList<PointerMove> wrong = movesOf(before.window().value("wrong"));
    QVERIFY2(!wrong.isEmpty(), "no wrong answer on offer");
    STEP(perform(wrong.first()));
    const ProgramView after =
        waitUntil([&](const ProgramView& v) { return v.errati() == before.errati() + 1; },
                  QStringLiteral("the wrong answer to count"));
    STEP();
    QCOMPARE(after.esatti(), before.esatti());
    QCOMPARE(after.control("EtichettaErrati").value("text").toString(),
             QStringLiteral(" %1").arg(after.errati()));
    QCOMPARE(after.window().value("back").toInteger(), 0);
    checkScreenColour(after, 0, QStringLiteral("after a wrong answer"));
}

void PlayThrough::giveRightAnswer() {
    const ProgramView before = look();
    const QList<PointerMove> right = movesOf(before.window().value("right"));
    QVERIFY2(!right.isEmpty(), "no right answer on offer");
    const PointerMove move = right.first();
    STEP(perform(move));
    // Counted, or (intensity ordering counts whole items) the word placed.
    const ProgramView after = waitUntil(
        [&](const ProgramView& v) {
            return v.esatti() != before.esatti() ||
                   !v.control(move.source).value("enabled").toBool();
        },
        QStringLiteral("the right answer %1 -> %2").arg(move.source, move.target));
    STEP();
    QCOMPARE(after.errati(), before.errati());
}

void PlayThrough::dropOutsideTheTargets() {
    const ProgramView before = look();
    const QList<PointerMove> right = movesOf(before.window().value("right"));
    QVERIFY(!right.isEmpty());
    const QString word = right.first().source;
    STEP(dragOntoNothing(word, QStringLiteral("Label1")));
    const ProgramView after = look();
    QCOMPARE(after.esatti(), before.esatti());
    QCOMPARE(after.errati(), before.errati());
    QCOMPARE(after.control(word).value("text"), before.control(word).value("text"));
    QVERIFY(after.control(word).value("enabled").toBool());
}

void PlayThrough::finishItemThenAvanti() {
    for (int answers = 0; answers < 20; ++answers) {
        if (look().control("BottoneAvanti").value("enabled").toBool())
            break;
        STEP(giveRightAnswer());
    }
    const ProgramView finished = look();
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
    STEP(clickControl(answers.first()));
    STEP(clickControl(QStringLiteral("BottoneAvanti")));
    const ProgramView next = waitUntil(
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
    const ProgramView start = look();
    const QStringList answers = stringsOf(start.window().value("answerControls"));
    const bool dragging = !start.window().value("dropTargets").toArray().isEmpty();
    const bool itemsCounted = start.windowName() == u"Form7";
    const int needed = dragging ? int(answers.size()) : 1;
    for (int k = 0; k < needed; ++k)
        STEP(giveRightAnswer());
    const ProgramView next = waitUntil(
        [&](const ProgramView& v) {
            for (const QString& name : answers)
                if (!v.control(name).value("enabled").toBool())
                    return false;
            return true;
        },
        QStringLiteral("the next item"));
    STEP();
    QCOMPARE(next.esatti(), start.esatti() + (itemsCounted ? 1 : needed));
    QVERIFY(!next.control("BottoneAvanti").value("visible").toBool());
    const qint64 colour = next.window().value("back").toInteger();
    QVERIFY2(colour != 0, "the next item came on black");
    checkScreenColour(next, colour, QStringLiteral("on the next item"));
}

void PlayThrough::resetCounts() {
    STEP(clickAction(QStringLiteral("MenuAzzera")));
    waitUntil(
        [](const ProgramView& v) {
            return v.esatti() == 0 && v.errati() == 0 &&
                   v.control("EtichettaEsatti").value("text").toString() == u"0" &&
                   v.control("EtichettaErrati").value("text").toString() == u"0";
        },
        QStringLiteral("both counts at 0"));
}

void PlayThrough::leaveExercise(bool answerNoFirst) {
    const ProgramView before = look();
    if (answerNoFirst) {
        STEP(clickAction(QStringLiteral("mnuEsci")));
        STEP(answerBox(QStringLiteral("No")));
        const ProgramView stayed = look();
        QCOMPARE(stayed.windowName(), before.windowName());
        QCOMPARE(stayed.esatti(), before.esatti());
        QCOMPARE(stayed.errati(), before.errati());
    }
    STEP(clickAction(QStringLiteral("mnuEsci")));
    STEP(answerBox(QStringLiteral("Si")));
    const ProgramView menu =
        waitUntil([](const ProgramView& v) { return v.windowName() == u"FormMenu"; },
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
    STEP(clickControl(QStringLiteral("BottoneAvvio")));
    const ProgramView menu =
        waitUntil([](const ProgramView& v) { return v.windowName() == u"FormMenu"; },
                  QStringLiteral("the menu"));
    STEP();
    QVERIFY(menu.control("Option1(1)").value("checked").toBool());
}

void PlayThrough::everyExerciseIsPlayedWithThePointer_data() {
    QTest::addColumn<int>("numero");
    for (int numero = 1; numero <= 9; ++numero)
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
    if (!look().window().value("dropTargets").toArray().isEmpty())
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

void PlayThrough::menuEsciAnsweredNoThenSiEndsTheProgram() {
    STEP(clickControl(QStringLiteral("Command1")));
    STEP(answerBox(QStringLiteral("No")));
    QCOMPARE(look().windowName(), QStringLiteral("FormMenu"));
    STEP(clickControl(QStringLiteral("Command1")));
    const ProgramView asking =
        waitUntil([](const ProgramView& v) { return !v.boxButton("Si").isEmpty(); },
                  QStringLiteral("\"Vuoi uscire dal programma?\""));
    STEP();
    x_.click(ProgramView::centreOf(asking.boxButton("Si")));
    QCOMPARE(app_.waitForEnd(kWaitMs), 0);
}

QTEST_GUILESS_MAIN(PlayThrough)
#include "tst_playthrough.moc"
