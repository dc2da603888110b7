// A named pupil's review: the schedule derived from the answers and the
// deals it steers, on the models alone (no display, no register file).
#include "core/randomgenerator.h"
#include "models/abbinamento.h"
#include "models/scala.h"
#include "models/sinonimicontrari.h"
#include "models/tessere.h"
#include "models/vocariomodello.h"
#include "review/registrazioneripasso.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>
#include <random>

using namespace vocario;

namespace {

constexpr qint64 kGiorno = 86400000;
// Monday 2 March 2026, 09:00 UTC; the tests' days are UTC days.
constexpr qint64 kLunedi = 1772442000000;
const Ripasso::FusoOrario kUtc = [](qint64) { return qint64(0); };
const QString kContrari = QStringLiteral("abbina-contrari");

class Quaderno final : public Registrazione {
  public:
    void esercizioAperto(const QString&) override {}
    void esercizioLasciato() override {}
    void risposta(const RispostaData&) override {}
};

// A program folder with lists of numbered records.
class Elenchi {
  public:
    Elenchi() { QDir(dir_.path()).mkdir(QStringLiteral("testi")); }
    void scrivi(const QString& nome, int records, int campi) {
        QFile file(dir_.path() + QStringLiteral("/testi/") + nome);
        QVERIFY(file.open(QIODevice::WriteOnly));
        for (int r = 1; r <= records; ++r) {
            QStringList riga;
            for (int c = 1; c <= campi; ++c)
                riga << QStringLiteral("p%1c%2").arg(r).arg(c);
            file.write((riga.join(QStringLiteral(", ")) + QStringLiteral("\n")).toUtf8());
        }
    }
    WordListReader lettore() const { return WordListReader(dir_.path()); }

  private:
    QTemporaryDir dir_;
};

QStringList testiDelTurno(const ModelloAbbina::Turno& turno) {
    QStringList testi;
    for (const ModelloAbbina::Coppia& c : turno.coppie)
        testi << c.voce.testo();
    return testi;
}

// A chooser with nothing to ask: the deal must be the usual one.
class NienteDaRipassare final : public SceltaVoci {
  public:
    RichiestaRipasso richiesta(int) override { return {}; }
    bool vista(const QString&) const override { return true; }
};

} // namespace

class ReviewTest : public QObject {
    Q_OBJECT
  private slots:
    void missedPairsComeBackNextTurnThenNextDay();
    void rightAnswersSpaceOutUntilLearntAndOneItemTurnsWait();
    void withNothingToAskEveryModelDealsAsAGuest();
    void theKeptScheduleEqualsOneRebuiltFromTheAnswers();
};

void ReviewTest::missedPairsComeBackNextTurnThenNextDay() {
    Elenchi elenchi;
    elenchi.scrivi(QStringLiteral("contrari.txt"), 40, 2);
    ModelloAbbina modello({.elenco = QStringLiteral("contrari.txt"), .coppie = 9});
    QVERIFY(!modello.leggi(elenchi.lettore(), {}));
    qint64 adesso = kLunedi;
    RegistrazioneRipasso pupil(std::make_unique<Quaderno>(), Ripasso(kUtc), [&] { return adesso; });
    modello.setRipasso(pupil.ripasso(kContrari));
    RandomGenerator random;
    random.seed(3);
    const auto rispondi = [&](const QString& voce, bool esatta) {
        adesso += 5000;
        pupil.risposta({.esercizio = kContrari, .voce = voce, .esatta = esatta});
    };
    // Two pairs missed (a wrong drop, then the right one), the rest right.
    const QStringList primo = testiDelTurno(modello.PreparaTurno(random));
    QCOMPARE(primo.size(), 9);
    const QStringList mancate = primo.mid(2, 2);
    for (const QString& voce : primo) {
        if (mancate.contains(voce))
            rispondi(voce, false);
        rispondi(voce, true);
    }
    const QStringList secondo = testiDelTurno(modello.PreparaTurno(random));
    QCOMPARE(secondo.size(), 9);
    QCOMPARE(secondo.mid(0, 2), mancate); // the earlier missed first
    for (const QString& voce : secondo)
        rispondi(voce, true);
    QCOMPARE(pupil.piano().stato(kContrari, mancate[0])->fase, StatoVoce::Fase::Domani);
    // Later the same day they wait (new pairs come instead); the next day first.
    for (const QString& voce : testiDelTurno(modello.PreparaTurno(random))) {
        QVERIFY(!primo.contains(voce) && !secondo.contains(voce));
        rispondi(voce, true);
    }
    adesso = kLunedi + 3 * kGiorno;
    const QStringList domani = testiDelTurno(modello.PreparaTurno(random)).mid(0, 2);
    QCOMPARE(QSet<QString>(domani.begin(), domani.end()),
             QSet<QString>(mancate.begin(), mancate.end()));
}

void ReviewTest::rightAnswersSpaceOutUntilLearntAndOneItemTurnsWait() {
    Ripasso ripasso(kUtc);
    const QString gradi = QStringLiteral("gradi");
    const auto dovute = [&](qint64 quando, int posti = 9) {
        return ripasso.richiesta(kContrari, posti, quando).dovute;
    };
    // Right at its first showing: not due for two days; then 4, 8, 16, learnt.
    qint64 t = kLunedi;
    ripasso.aggiungi({t, kContrari, "alto / basso", true});
    QVERIFY(dovute(t + kGiorno).isEmpty());
    for (const int giorni : {2, 4, 8, 16}) {
        const qint64 inizio = (t / kGiorno + giorni) * kGiorno;
        QVERIFY2(dovute(inizio - 1).isEmpty(), qPrintable(QString::number(giorni)));
        QCOMPARE(dovute(inizio), QStringList{"alto / basso"});
        // Shown a day early and right: the interval was not kept, nothing moves.
        ripasso.aggiungi({inizio - kGiorno + 1, kContrari, "alto / basso", true});
        QCOMPARE(dovute(inizio), QStringList{"alto / basso"});
        t = inizio + 3600000;
        ripasso.aggiungi({t, kContrari, "alto / basso", true});
    }
    QCOMPARE(ripasso.stato(kContrari, "alto / basso")->fase, StatoVoce::Fase::Imparata);
    QCOMPARE(ripasso.imparate(kContrari), 1);
    QVERIFY(dovute(t + 100 * kGiorno).isEmpty());
    QVERIFY(ripasso.richiesta(kContrari, 9, t).avanti.isEmpty());
    // Missed again, it is back in review at once.
    ripasso.aggiungi({t + 1000, kContrari, "alto / basso", false});
    QCOMPARE(dovute(t + 2000), QStringList{"alto / basso"});
    QCOMPARE(ripasso.inRipasso(kContrari), 1);

    // One item a turn: a missed item waits for three others, or the next day.
    t = kLunedi + 200 * kGiorno;
    ripasso.aggiungi({t, gradi, "caldo / bollente", false});
    ripasso.aggiungi({t + 1, gradi, "caldo / bollente", true});
    for (int k = 1; k <= 3; ++k) {
        QVERIFY(ripasso.richiesta(gradi, 1, t + k * 10000).dovute.isEmpty());
        ripasso.aggiungi({t + k * 10000, gradi, QStringLiteral("voce %1").arg(k), true});
    }
    QCOMPARE(ripasso.richiesta(gradi, 1, t + 40000).dovute, QStringList{"caldo / bollente"});
    // Four of the eight items that may be learnt at once: a new one may come.
    QCOMPARE(ripasso.richiesta(gradi, 1, t + 40000).nuove, 1);
    for (int k = 4; k <= 8; ++k)
        ripasso.aggiungi({t + k * 10000, gradi, QStringLiteral("voce %1").arg(k), false});
    QCOMPARE(ripasso.richiesta(gradi, 1, t + 90000).nuove, 0);
}

void ReviewTest::withNothingToAskEveryModelDealsAsAGuest() {
    Elenchi elenchi;
    for (const char* nome : {"contrari.txt", "sinonimi.txt", "gradi.txt", "modididire.txt"})
        elenchi.scrivi(QLatin1String(nome), 40, 2);
    elenchi.scrivi(QStringLiteral("aree1.txt"), 20, 4);
    elenchi.scrivi(QStringLiteral("aree2.txt"), 20, 3);
    elenchi.scrivi(QStringLiteral("vocario.txt"), 20, 5);
    NienteDaRipassare niente;
    // The same draws, turn by turn, with and without the empty chooser.
    const auto confronta = [&](auto crea, auto testi) {
        auto ospite = crea();
        auto guidato = crea();
        QVERIFY(!ospite.leggi(elenchi.lettore(), {}) && !guidato.leggi(elenchi.lettore(), {}));
        guidato.setRipasso(&niente);
        RandomGenerator a, b;
        a.seed(11);
        b.seed(11);
        for (int k = 0; k < 40; ++k)
            QCOMPARE(testi(guidato.PreparaTurno(b)), testi(ospite.PreparaTurno(a)));
        QCOMPARE(a.next(), b.next());
    };
    const auto coppie = [](const ModelloAbbina::Turno& t) {
        return testiDelTurno(t).join('|') + QString::number(t.righe.value(0));
    };
    const auto voce = [](const auto& t) { return t.voce.testo(); };
    confronta([] { return ModelloAbbina({.elenco = "contrari.txt", .coppie = 9}); }, coppie);
    confronta(
        [] {
            return ModelloAbbina({.elenco = "modididire.txt",
                                  .coppie = 4,
                                  .blocco = 4,
                                  .estrazione = RegoleAbbina::Estrazione::Blocco});
        },
        coppie);
    confronta([] { return ModelloGradi("gradi.txt"); }, voce);
    confronta([] { return ModelloSinonimiContrari("sinonimi.txt", "contrari.txt"); }, voce);
    confronta([] { return ModelloTessere("aree1.txt", ModelloTessere::Regola::Comprende); }, voce);
    confronta([] { return ModelloTessere("aree2.txt", ModelloTessere::Regola::Intrusa); }, voce);
    confronta([] { return ModelloVocario("vocario.txt"); }, voce);
}

void ReviewTest::theKeptScheduleEqualsOneRebuiltFromTheAnswers() {
    Elenchi elenchi;
    elenchi.scrivi(QStringLiteral("aree2.txt"), 12, 3);
    elenchi.scrivi(QStringLiteral("contrari.txt"), 30, 2);
    ModelloTessere intrusa("aree2.txt", ModelloTessere::Regola::Intrusa);
    ModelloAbbina abbina({.elenco = QStringLiteral("contrari.txt"), .coppie = 9});
    QVERIFY(!intrusa.leggi(elenchi.lettore(), {}) && !abbina.leggi(elenchi.lettore(), {}));
    qint64 adesso = kLunedi;
    QList<RispostaRipasso> date;
    RegistrazioneRipasso pupil(std::make_unique<Quaderno>(), Ripasso(kUtc), [&] { return adesso; });
    intrusa.setRipasso(pupil.ripasso("parola-intrusa"));
    abbina.setRipasso(pupil.ripasso(kContrari));
    RandomGenerator random;
    std::mt19937 caso(5);
    const auto rispondi = [&](const QString& esercizio, const QString& voce) {
        const bool esatta = caso() % 3 != 0;
        adesso += 5000;
        date.append({adesso, esercizio, voce, esatta});
        pupil.risposta({.esercizio = esercizio, .voce = voce, .esatta = esatta});
        return esatta;
    };
    int tornate = 0;
    for (int sessione = 0; sessione < 12; ++sessione) {
        adesso = kLunedi + sessione * 3 * kGiorno + (sessione % 2) * kGiorno;
        for (int k = 0; k < 15; ++k) {
            const QStringList dovute = pupil.ripasso("parola-intrusa")->richiesta(1).dovute;
            const ModelloTessere::Turno& t = intrusa.PreparaTurno(random);
            // A due intruder's item is dealt again with the same four words.
            if (!dovute.isEmpty()) {
                QCOMPARE(t.voce.testo(), dovute[0]);
                ++tornate;
            }
            while (!rispondi("parola-intrusa", t.voce.testo())) {
            }
            for (const ModelloAbbina::Coppia& c : abbina.PreparaTurno(random).coppie)
                while (!rispondi(kContrari, c.voce.testo())) {
                }
        }
    }
    QVERIFY(tornate > 10);
    QVERIFY(pupil.piano().imparate(kContrari) > 0);
    std::shuffle(date.begin(), date.end(), caso);
    QVERIFY(Ripasso::daRisposte(date, kUtc).stessoPiano(pupil.piano()));
    // An answer of another PC arriving late takes its place in time.
    const RispostaRipasso tarda = date.takeAt(7);
    Ripasso conRitardo = Ripasso::daRisposte(date, kUtc);
    QVERIFY(!conRitardo.stessoPiano(pupil.piano()));
    conRitardo.aggiungi(tarda);
    QVERIFY(conRitardo.stessoPiano(pupil.piano()));

    // Kept as its items (a lab's PC, the server) and read back, the same
    // schedule; the answers after a kept copy keep it in step; two copies
    // joined, either way round, keep of each item the later state.
    date.append(tarda);
    std::sort(date.begin(), date.end(),
              [](const auto& a, const auto& b) { return a.quando < b.quando; });
    const Ripasso primaMeta = Ripasso::daRisposte(date.mid(0, date.size() / 2), kUtc);
    QVERIFY(Ripasso::daPiano(pupil.piano().piano(), kUtc).stessoPiano(pupil.piano()));
    Ripasso inPasso = Ripasso::daPiano(primaMeta.piano(), kUtc);
    for (const RispostaRipasso& r : date.mid(date.size() / 2))
        inPasso.aggiungi(r);
    QVERIFY(inPasso.stessoPiano(conRitardo));
    QVERIFY(!primaMeta.stessoPiano(conRitardo));
    const Ripasso* copie[] = {&primaMeta, &conRitardo};
    for (const auto& [prima, dopo] :
         {std::pair{copie[0], copie[1]}, std::pair{copie[1], copie[0]}}) {
        Ripasso unito = Ripasso::daPiano(prima->piano(), kUtc);
        unito.unisci(dopo->piano());
        QVERIFY(unito.stessoPiano(conRitardo));
    }
}

QTEST_GUILESS_MAIN(ReviewTest)
#include "tst_review.moc"
