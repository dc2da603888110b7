// A long random session: thousands of actions of a pupil who does anything
// at all, with every rule of the windows checked after every action.
//   VOCARIO_SESSION_SEED=n     replays the session of seed n
//   VOCARIO_SESSION_ACTIONS=n  its length (20000 when unset)

#include "core/registrazione.h"
#include "exercises/catalogo.h"
#include "harmlessnoise.h"
#include "randomsession.h"
#include "register/registro.h"
#include "testenvironment.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QtTest>
#include <chrono>

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
    // A named pupil plays: the register must hold every answer the model counts.
    Registro registro(env.folder() + QStringLiteral("/registro"));
    const Alunno alunno{.id = registro.aggiungiAlunno(registro.aggiungiClasse("5ª A"), "Rita")};
    env.state.registrazione = registro.registrazionePer(alunno);
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

    testing::TestEnvironment::closeAllWindows();
    env.state.registrazione.reset();
    QVERIFY(registro.scrittore().svuota(std::chrono::seconds(30)));
    QSqlQuery rows(registro.db());
    QVERIFY(rows.exec("SELECT esercizio, voce, dato, esatta FROM risposte_con_voci"));
    int right = 0;
    int wrong = 0;
    QSet<QString> names;
    for (const ExerciseEntry& entry : catalogoEsercizi())
        names << QLatin1String(entry.nome);
    while (rows.next()) {
        const QString exercise = rows.value(0).toString();
        const QStringList item = rows.value(1).toString().split(" / ");
        const QString given = rows.value(2).toString();
        const bool esatta = rows.value(3).toBool();
        esatta ? ++right : ++wrong;
        QVERIFY2(names.contains(exercise), qPrintable(exercise));
        QVERIFY2(item.size() >= 2 && !given.isEmpty(), qPrintable(rows.value(1).toString()));
        // What a pupil rightly dropped or clicked is a word of the item
        // (the word-meaning item keeps the word and its meaning).
        if (esatta && exercise != u"sinonimi-contrari" && exercise != u"gradi")
            QVERIFY2(item.contains(given),
                     qPrintable(exercise + ": " + given + " in " + rows.value(1).toString()));
        if (esatta && (exercise == u"parola-che-comprende" || exercise == u"parola-intrusa"))
            QCOMPARE(given, item.first());
    }
    QCOMPARE(right, session.model().rightAnswers());
    QCOMPARE(wrong, session.model().wrongAnswers());
}

QTEST_MAIN(RandomSessionTest)
#include "tst_randomsession.moc"
