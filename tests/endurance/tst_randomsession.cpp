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

namespace {

// The pupil's recorder, seen from the window's side: what reaches it is
// what the register will hold, counted as it arrives.
class RegistrazioneContata : public Registrazione {
  public:
    explicit RegistrazioneContata(std::unique_ptr<Registrazione> vera) : vera_(std::move(vera)) {}
    void esercizioAperto(const QString& esercizio) override { vera_->esercizioAperto(esercizio); }
    void esercizioLasciato() override { vera_->esercizioLasciato(); }
    QString chiGioca() const override { return vera_->chiGioca(); }
    void risposta(const RispostaData& risposta) override {
        (risposta.esatta ? esatte : errate)++;
        ultima = risposta.voce;
        vera_->risposta(risposta);
    }
    int esatte = 0;
    int errate = 0;
    QString ultima;

  private:
    std::unique_ptr<Registrazione> vera_;
};

} // namespace

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
    auto contata = std::make_unique<RegistrazioneContata>(registro.registrazionePer(alunno));
    const RegistrazioneContata* registrate = contata.get();
    env.state.registrazione = std::move(contata);
    RandomSession session(env, used);
    // After every action the register has been told exactly the answers the
    // screen counted, whatever the counts' reset did to the labels.
    // An answer that counts is charged to the item the pupil acted on.
    int registrateFinora = 0;
    session.checkAlso([registrate, &registrateFinora](const RandomSession& s) {
        const SessionModel& model = s.model();
        if (registrate->esatte != model.countedRightAnswers() ||
            registrate->errate != model.wrongAnswers())
            return QStringLiteral("the register was told %1 right and %2 wrong answers, the "
                                  "screen counted %3 and %4")
                .arg(registrate->esatte)
                .arg(registrate->errate)
                .arg(model.countedRightAnswers())
                .arg(model.wrongAnswers());
        const int nuove = registrate->esatte + registrate->errate - registrateFinora;
        registrateFinora += nuove;
        if (nuove > 0 && !s.answeredItem().isEmpty() && registrate->ultima != s.answeredItem())
            return QStringLiteral("the register was told the item «%1», the pupil acted on «%2»")
                .arg(registrate->ultima, s.answeredItem());
        return QString();
    });
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
        if (esatta &&
            (exercise == u"parola-che-comprende-le-altre" || exercise == u"parola-intrusa"))
            QCOMPARE(given, item.first());
    }
    // One row for every answer the screen counted, no more.
    QCOMPARE(right, session.model().countedRightAnswers());
    QCOMPARE(wrong, session.model().wrongAnswers());
}

QTEST_MAIN(RandomSessionTest)
#include "tst_randomsession.moc"
