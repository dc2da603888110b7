// A long random session: thousands of actions of a pupil who does anything
// at all, with every rule of the windows checked after every action.
//   VOCARIO_SESSION_SEED=n     replays the session of seed n
//   VOCARIO_SESSION_ACTIONS=n  its length (20000 when unset)

#include "harmlessnoise.h"
#include "randomsession.h"
#include "testenvironment.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QtTest>

using namespace vocario;
using namespace vocario::endurance;

class RandomSessionTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { silenceHarmlessNoise(); }
    void everyRuleHoldsAfterEveryRandomAction();
};

void RandomSessionTest::everyRuleHoldsAfterEveryRandomAction() {
    bool given = false;
    const quint32 seed = qEnvironmentVariable("VOCARIO_SESSION_SEED").toUInt(&given);
    const quint32 used = given ? seed : QRandomGenerator::system()->generate();
    bool sized = false;
    int actions = qEnvironmentVariableIntValue("VOCARIO_SESSION_ACTIONS", &sized);
    if (!sized || actions <= 0)
        actions = 20000;
    qInfo("Random session of %d actions, seed %u (replay with VOCARIO_SESSION_SEED=%u)", actions,
          used, used);

    testing::TestEnvironment env;
    env.useShippedLists();
    RandomSession session(env, used);
    QElapsedTimer clock;
    clock.start();
    const QString problem = session.run(actions);
    qInfo("%d actions in %.1f s", actions, double(clock.elapsed()) / 1000);
    QStringList tally;
    for (auto it = session.tally().cbegin(); it != session.tally().cend(); ++it)
        tally << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
    qInfo("%s", qPrintable(tally.join(QStringLiteral(", "))));
    QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("Seed %1. ").arg(used) + problem));
}

QTEST_MAIN(RandomSessionTest)
#include "tst_randomsession.moc"
