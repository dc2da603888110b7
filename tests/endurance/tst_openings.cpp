// Opening and leaving every exercise many times, as a class does all day:
// every window left is destroyed, and neither the number of live objects
// nor the memory grows.
//   VOCARIO_OPENINGS=n        openings of each exercise (40 when unset; make soak 1000)
//   VOCARIO_OPENINGS_ONLY=k   only Formk

#include "exercisecatalogue.h"
#include "harmlessnoise.h"
#include "messageboxanswerer.h"
#include "objectcensus.h"
#include "simulatedmouse.h"
#include "testenvironment.h"

#include "app/formavvio.h"
#include "frame/exercisewindow.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPixmapCache>
#include <QPointer>
#include <QtTest>

using namespace vocario;
using namespace vocario::endurance;

namespace {

// make test's share: the census counts every object a single opening
// leaves, and make soak's thousand catch a heap that grows by a few bytes.
constexpr int kOpenings = 40;
constexpr int kWarmUpOpenings = 50;
constexpr int kMostWarmUpOpenings = 300;
// Growth of the heap that the openings of one exercise may leave behind in
// all. Qt's font and text caches fill slowly as new words come up (up to
// about 90 KiB over 3000 openings); 260 bytes left per opening exceed it.
constexpr qint64 kHeapSlackBytes = 256 * 1024;

} // namespace

class Openings : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { silenceHarmlessNoise(); }
    void leavingEveryExerciseLeavesNothingBehind();

  private:
    bool openAndLeave(int numero);

    SimulatedMouse mouse_;
};

bool Openings::openAndLeave(int numero) {
    QWidget* menu = testing::TestEnvironment::visibleWindows().value(0);
    if (!menu || menu->objectName() != u"FormMenu")
        return false;
    mouse_.click(menu->findChild<QWidget*>(vocario::testing::exerciseMenuButton(numero)));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const QList<QWidget*> shown = testing::TestEnvironment::visibleWindows();
    QPointer<ExerciseWindow> exercise =
        shown.size() == 1 ? qobject_cast<ExerciseWindow*>(shown.first()) : nullptr;
    if (!exercise || exercise->objectName() != testing::exerciseWindowName(numero))
        return false;
    testing::MessageBoxAnswerer answerer; // keeps the texts of the boxes it answered
    answerer.answerNext(QStringLiteral("Sì"));
    exercise->findChild<QAction*>(QStringLiteral("mnuEsci"))->trigger();
    if (!answerer.waitUntilAnswered())
        return false;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return exercise.isNull() && QApplication::topLevelWidgets().size() >= 1;
}

void Openings::leavingEveryExerciseLeavesNothingBehind() {
    bool given = false;
    int openings = qEnvironmentVariableIntValue("VOCARIO_OPENINGS", &given);
    if (!given || openings <= 0)
        openings = kOpenings;

    testing::TestEnvironment env;
    env.useShippedLists();
    // The style keeps pictures of buttons in Qt's pixmap cache under keys
    // that name the palette, which is new in every window and every colour.
    // Qt 6.4 never forgets the key of a picture the cache has dropped (about
    // 300 bytes each), so with the cache on the heap grows by 0.3 to 1.1 KiB
    // per opening whatever the program does. Measured without that cache,
    // what is left is the program's own.
    QPixmapCache::setCacheLimit(0);
    ObjectCensus census;
    QVERIFY2(census.working(), "this Qt does not report its objects");
    auto* start = new FormAvvio(env.state);
    start->show();
    mouse_.click(start->findChild<QWidget*>(QStringLiteral("BottoneAvvio")));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QElapsedTimer clock;
    clock.start();
    const int only = qEnvironmentVariableIntValue("VOCARIO_OPENINGS_ONLY");
    for (int numero = 1; numero <= testing::exerciseCount(); ++numero) {
        if (only >= 1 && numero != only)
            continue;
        const QString form = testing::exerciseWindowName(numero);
        // Caches (fonts, pictures, styles) fill during the first openings,
        // later on a loaded machine: the count starts once the heap is steady.
        // A real leak never settles and shows in the count all the same.
        qint64 heap = MemoryUse::now().heapBytes;
        for (int round = 0; round < kMostWarmUpOpenings; ++round) {
            QVERIFY2(openAndLeave(numero), qPrintable(form));
            if (round + 1 < kWarmUpOpenings || (round + 1) % 10 != 0)
                continue;
            const qint64 now = MemoryUse::now().heapBytes;
            if (now - heap < kHeapSlackBytes / 8)
                break;
            heap = now;
        }
        const long objectsBefore = census.alive();
        const MemoryUse before = MemoryUse::now();
        for (int round = 0; round < openings; ++round)
            QVERIFY2(openAndLeave(numero),
                     qPrintable(QStringLiteral("%1, opening %2").arg(form).arg(round)));
        const long objectsAfter = census.alive();
        const MemoryUse after = MemoryUse::now();
        qInfo("%s opened and left %d times: live objects %ld -> %ld; %s -> %s", qPrintable(form),
              openings, objectsBefore, objectsAfter, qPrintable(before.describe()),
              qPrintable(after.describe()));
        QVERIFY2(objectsAfter == objectsBefore,
                 qPrintable(form + QStringLiteral(" leaves objects")));
        if (before.heapBytes > 0)
            QVERIFY2(after.heapBytes - before.heapBytes < kHeapSlackBytes,
                     qPrintable(QStringLiteral("%1: the heap grew by %2 KiB")
                                    .arg(form)
                                    .arg((after.heapBytes - before.heapBytes) / 1024)));
    }
    qInfo("All openings in %.1f s", double(clock.elapsed()) / 1000);
    QCOMPARE(testing::TestEnvironment::visibleWindows().size(), 1);
}

QTEST_MAIN(Openings)
#include "tst_openings.moc"
