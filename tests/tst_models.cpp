// The exercises' rules without a window: Qt Core alone, no display.
#include "scriptedrandom.h"

#include "models/abbinamento.h"
#include "models/scala.h"
#include "models/sinonimicontrari.h"
#include "models/tessere.h"
#include "models/vocariomodello.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace vocario;
using namespace vocario::testing;

namespace {

// A program folder whose testi/ holds the lists a test writes.
class Elenchi {
  public:
    Elenchi() { QDir(dir_.path()).mkdir(QStringLiteral("testi")); }
    void scrivi(const QString& nome, const QString& testo) {
        QFile file(dir_.path() + QStringLiteral("/testi/") + nome);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(testo.toUtf8());
    }
    WordListReader lettore() const { return WordListReader(dir_.path()); }

  private:
    QTemporaryDir dir_;
};

QString numerate(int records, const QString& primo, const QString& secondo) {
    QString testo;
    for (int n = 1; n <= records; ++n)
        testo += QStringLiteral("%1 %3, %2 %3\n").arg(primo, secondo).arg(n);
    return testo;
}

// The place of each of n controls, drawn control by control (see ScombiccheraPosti).
QList<float> posti(const QList<int>& controlli) {
    QList<float> valori;
    for (int j : controlli)
        valori << pickIndex(j, int(controlli.size()));
    return valori;
}

// A colour draw that the deal must ask for at its own point.
struct Colore {
    RandomGenerator& random;
    int volte = 0;
    ColoreDelTurno operator()() {
        return [this] {
            random.next();
            ++volte;
        };
    }
};

} // namespace

class ModelsTest : public QObject {
    Q_OBJECT
  private slots:
    void matchingDealsDistinctRecordsAndChargesAWrongDropToTheDraggedWord();
    void matchingBySameTextAcceptsATwinWordAndBlocksDealConsecutiveRecords();
    void matchingComparesTheWordsExactly_data();
    void matchingComparesTheWordsExactly();
    void synonymMatchingDragsFieldTwoAndDrawsTheColourBetween();
    void intensityCountsAWrongDropAndTheFinishedItemOnly();
    void synonymOrAntonymDealsFromEitherListAndARefusedReadKeepsTheTables();
    void wordMeaningAndTilesJudgeTheirFirstAnswerRight();
};

void ModelsTest::matchingDealsDistinctRecordsAndChargesAWrongDropToTheDraggedWord() {
    Elenchi elenchi;
    elenchi.scrivi(QStringLiteral("contrari.txt"),
                   numerate(12, QStringLiteral("su"), QStringLiteral("giu")));
    ModelloAbbina m({.elenco = QStringLiteral("contrari.txt"), .coppie = 3});
    QVERIFY(!m.leggi(elenchi.lettore(), {}));
    QCOMPARE(m.NumeroParole, qint16(12));

    RandomGenerator random;
    // The colour first; records 5, 5 again (drawn anew), 2, 9; then the places.
    ScriptedRandomSource* script =
        scriptRandom(random, QList<float>{0.5f, pickWhole(5, 12), pickWhole(5, 12),
                                          pickWhole(2, 12), pickWhole(9, 12)} +
                                 posti({2, 2, 0}));
    Colore colore{random};
    const ModelloAbbina::Turno& turno = m.PreparaTurno(random, colore());
    QCOMPARE(script->remaining(), 0);
    QCOMPARE(colore.volte, 1);
    QCOMPARE(turno.coppie.size(), 3);
    QCOMPARE(turno.coppie[1].voce,
             (ChiaveVoce{.elenco = QStringLiteral("contrari.txt"),
                         .record = 2,
                         .testi = {QStringLiteral("su 2"), QStringLiteral("giu 2")}}));
    QCOMPARE(turno.coppie[1].parola, QStringLiteral("su 2"));
    QCOMPARE(turno.coppie[2].posto, QStringLiteral("giu 9"));
    // Word 2 takes row 0, word 0 (stepping past 2) row 1, word 1 row 2.
    QCOMPARE(turno.righe, (QList<int>{1, 2, 0}));

    // Word 1 onto place 0: the dragged word's item missed, the place given.
    const std::optional<Verdetto> sbagliata = m.giudica(1, 0);
    QVERIFY(sbagliata && !sbagliata->esatta && sbagliata->conta && !sbagliata->turnoFinito);
    QCOMPARE(sbagliata->voce.testo(), QStringLiteral("su 2 / giu 2"));
    QCOMPARE(sbagliata->dato, QStringLiteral("giu 5"));
    for (int k : {2, 0}) {
        const std::optional<Verdetto> giusta = m.giudica(k, k);
        QVERIFY(giusta && giusta->esatta && giusta->conta && !giusta->turnoFinito);
        QCOMPARE(giusta->voce.record, turno.coppie[k].voce.record);
    }
    QVERIFY(!m.giudica(2, 1)); // a word already placed takes no more drops
    QVERIFY(!m.giudica(3, 1)); // nor does a word the item does not show
    QVERIFY(m.giudica(1, 1)->turnoFinito);
    QCOMPARE(m.CoppieFatte, qint16(3));
    QVERIFY(!m.giudica(1, 1));

    // A list shorter than an item is the window's to refuse.
    int chiesti = -1;
    QCOMPARE(m.leggi(elenchi.lettore(),
                     [&](int records, int k) {
                         chiesti = records + 100 * k;
                         return std::optional<QString>(QStringLiteral("troppo corto"));
                     }),
             std::optional<QString>(QStringLiteral("troppo corto")));
    QCOMPARE(chiesti, 12);
}

void ModelsTest::matchingBySameTextAcceptsATwinWordAndBlocksDealConsecutiveRecords() {
    Elenchi elenchi;
    elenchi.scrivi(QStringLiteral("gradi.txt"), QStringLiteral("caldo, bollente\ncaldo, rovente\n"
                                                               "freddo, gelido\n"));
    ModelloAbbina gradi({.elenco = QStringLiteral("gradi.txt"), .coppie = 2});
    QVERIFY(!gradi.leggi(elenchi.lettore(), {}));
    RandomGenerator random;
    scriptRandom(random, QList<float>{pickWhole(1, 3), pickWhole(2, 3)} + posti({0, 0}));
    gradi.PreparaTurno(random);
    // "caldo" of either record belongs on either place of "caldo".
    QVERIFY(gradi.giusta(0, 1) && gradi.giusta(1, 0));
    const std::optional<Verdetto> gemella = gradi.giudica(1, 0);
    QVERIFY(gemella->esatta);
    QCOMPARE(gemella->voce.testo(), QStringLiteral("caldo / rovente"));
    QCOMPARE(gemella->dato, QStringLiteral("bollente"));

    elenchi.scrivi(QStringLiteral("modididire.txt"),
                   numerate(12, QStringLiteral("modo"), QStringLiteral("senso")));
    ModelloAbbina modi({.elenco = QStringLiteral("modididire.txt"),
                        .coppie = 4,
                        .blocco = 4,
                        .estrazione = RegoleAbbina::Estrazione::Blocco,
                        .giusta = RegoleAbbina::Giusta::StessoRecord});
    QVERIFY(!modi.leggi(elenchi.lettore(), {}));
    elenchi.scrivi(QStringLiteral("modididire.txt"),
                   numerate(10, QStringLiteral("modo"), QStringLiteral("senso")));
    QVERIFY(modi.leggi(elenchi.lettore(), {})->contains(QStringLiteral("multiplo di 4")));
    QCOMPARE(modi.NumeroParole, qint16(12)); // a refused list changes nothing
    scriptRandom(random, QList<float>{0.7f} + posti({3, 2, 1, 0}));
    const ModelloAbbina::Turno& turno = modi.PreparaTurno(random);
    QCOMPARE(modi.Estratto, qint16(9));
    for (int k = 0; k < 4; ++k)
        QCOMPARE(turno.coppie[k].voce.record, qint16(9 + k));
    QVERIFY(!modi.giusta(0, 1) && modi.giusta(3, 3));
}

void ModelsTest::matchingComparesTheWordsExactly_data() {
    QTest::addColumn<QString>("parola");
    QTest::addColumn<QString>("simile");
    QTest::newRow("letter case") << QStringLiteral("Papa") << QStringLiteral("papa");
    QTest::newRow("accent") << QStringLiteral("però") << QStringLiteral("pero");
    QTest::newRow("accent direction") << QStringLiteral("perché") << QStringLiteral("perchè");
    QTest::newRow("trailing letter") << QStringLiteral("buon") << QStringLiteral("buono");
}

void ModelsTest::matchingComparesTheWordsExactly() {
    QFETCH(QString, parola);
    QFETCH(QString, simile);
    Elenchi elenchi;
    elenchi.scrivi(QStringLiteral("contrari.txt"),
                   parola + QStringLiteral(", uno\n") + simile + QStringLiteral(", due\n"));
    ModelloAbbina m({.elenco = QStringLiteral("contrari.txt"), .coppie = 2});
    QVERIFY(!m.leggi(elenchi.lettore(), {}));
    RandomGenerator random;
    scriptRandom(random, QList<float>{pickWhole(1, 2), pickWhole(2, 2)} + posti({0, 0}));
    m.PreparaTurno(random);
    QVERIFY(!m.giusta(1, 0) && !m.giusta(0, 1) && m.giusta(0, 0));
}

void ModelsTest::synonymMatchingDragsFieldTwoAndDrawsTheColourBetween() {
    Elenchi elenchi;
    elenchi.scrivi(QStringLiteral("sinonimi.txt"),
                   numerate(3, QStringLiteral("parola"), QStringLiteral("sinonimo")));
    ModelloAbbina m({.elenco = QStringLiteral("sinonimi.txt"),
                     .coppie = 2,
                     .maxRecords = 200,
                     .giusta = RegoleAbbina::Giusta::StessoRecord,
                     .trascinaIlSecondo = true,
                     .coloreDopoLeParole = true});
    QVERIFY(!m.leggi(elenchi.lettore(), {}));
    RandomGenerator random;
    // Records 3 and 1, the colour, then the places.
    ScriptedRandomSource* script =
        scriptRandom(random, QList<float>{pickWhole(3, 3), pickWhole(1, 3), 0.25f} + posti({1, 1}));
    Colore colore{random};
    const ModelloAbbina::Turno& turno = m.PreparaTurno(random, colore());
    QCOMPARE(script->remaining(), 0);
    QCOMPARE(turno.coppie[0].parola, QStringLiteral("sinonimo 3"));
    QCOMPARE(turno.coppie[0].posto, QStringLiteral("parola 3"));
    QCOMPARE(turno.righe, (QList<int>{1, 0}));
    const std::optional<Verdetto> sbagliata = m.giudica(0, 1);
    QCOMPARE(sbagliata->voce.testo(), QStringLiteral("parola 3 / sinonimo 3"));
    QCOMPARE(sbagliata->dato, QStringLiteral("parola 1"));
}

void ModelsTest::intensityCountsAWrongDropAndTheFinishedItemOnly() {
    Elenchi elenchi;
    elenchi.scrivi(QStringLiteral("gradi.txt"),
                   numerate(4, QStringLiteral("poco"), QStringLiteral("tanto")));
    ModelloGradi m(QStringLiteral("gradi.txt"));
    QVERIFY(!m.leggi(elenchi.lettore(), {}));
    RandomGenerator random;
    ScriptedRandomSource* script = scriptRandom(random, {0.1f, pickWhole(3, 4), pickWhole(2, 2)});
    Colore colore{random};
    const ModelloGradi::Turno& turno = m.PreparaTurno(random, colore());
    QCOMPARE(script->remaining(), 0);
    QCOMPARE(m.Estratto, qint16(3));
    QCOMPARE(turno.parole[1], QStringLiteral("tanto 3"));
    QVERIFY(!turno.menoASinistra);

    // Two words placed with one wrong try: the screen counts two answers.
    int contate = 0;
    const std::optional<Verdetto> sbagliata = m.giudica(0, 1);
    QVERIFY(!sbagliata->esatta);
    QCOMPARE(sbagliata->dato, QStringLiteral("più intenso"));
    QCOMPARE(sbagliata->voce.testo(), QStringLiteral("poco 3 / tanto 3"));
    const std::optional<Verdetto> prima = m.giudica(1, 1);
    QVERIFY(prima->esatta && !prima->turnoFinito);
    QVERIFY(!m.giudica(1, 0));
    const std::optional<Verdetto> seconda = m.giudica(0, 0);
    QVERIFY(seconda->esatta && seconda->turnoFinito);
    QCOMPARE(seconda->dato, QStringLiteral("meno intenso"));
    for (const std::optional<Verdetto>& v : {sbagliata, prima, seconda})
        contate += v->conta ? 1 : 0;
    QCOMPARE(contate, 2);
}

void ModelsTest::synonymOrAntonymDealsFromEitherListAndARefusedReadKeepsTheTables() {
    Elenchi elenchi;
    elenchi.scrivi(QStringLiteral("sinonimi.txt"),
                   numerate(3, QStringLiteral("come"), QStringLiteral("simile")));
    elenchi.scrivi(QStringLiteral("contrari.txt"),
                   numerate(5, QStringLiteral("dritto"), QStringLiteral("rovescio")));
    ModelloSinonimiContrari m(QStringLiteral("sinonimi.txt"), QStringLiteral("contrari.txt"));
    QList<int> controllati;
    const ControlloElenco controllo = [&](int records, int k) {
        controllati << records << k;
        return std::optional<QString>();
    };
    QVERIFY(!m.leggi(elenchi.lettore(), controllo));
    QCOMPARE(controllati, (QList<int>{3, 0, 5, 1}));
    QCOMPARE(m.Parole3[3], QStringLiteral("simile 3"));
    QCOMPARE(m.Parole4[5], QStringLiteral("rovescio 5"));

    RandomGenerator random;
    // The antonym's record is drawn over the five antonyms.
    scriptRandom(random, {pickWhole(2, 2), pickWhole(5, 5)});
    const ModelloSinonimiContrari::Turno& turno = m.PreparaTurno(random);
    QCOMPARE(turno.giusta, ModelloSinonimiContrari::kContrari);
    QCOMPARE(turno.voce,
             (ChiaveVoce{.elenco = QStringLiteral("contrari.txt"),
                         .record = 5,
                         .testi = {QStringLiteral("dritto 5"), QStringLiteral("rovescio 5")}}));
    const Verdetto sbagliata = m.giudica(ModelloSinonimiContrari::kSinonimi);
    QVERIFY(!sbagliata.esatta && !sbagliata.turnoFinito);
    QCOMPARE(sbagliata.dato, QStringLiteral("sinonimi"));
    QVERIFY(m.giudica(ModelloSinonimiContrari::kContrari).turnoFinito);

    // The antonyms broken: neither table takes the new synonyms.
    elenchi.scrivi(QStringLiteral("sinonimi.txt"),
                   numerate(2, QStringLiteral("nuovo"), QStringLiteral("altro")));
    elenchi.scrivi(QStringLiteral("contrari.txt"), QStringLiteral("alto, basso\ncaldo\n"));
    QVERIFY(m.leggi(elenchi.lettore(), {}));
    QCOMPARE(m.NumeroParole, qint16(3));
    QCOMPARE(m.Parole1[1], QStringLiteral("come 1"));
    QCOMPARE(m.NumeroParole2, qint16(5));
}

void ModelsTest::wordMeaningAndTilesJudgeTheirFirstAnswerRight() {
    Elenchi elenchi;
    elenchi.scrivi(QStringLiteral("vocario.txt"),
                   QStringLiteral("La nave salpa., salpa, parte, arriva, affonda\n"
                                  "Il cane abbaia., abbaia, latra, miagola, canta\n"));
    ModelloVocario vocario(QStringLiteral("vocario.txt"));
    QVERIFY(!vocario.leggi(elenchi.lettore(), {}));
    RandomGenerator random;
    scriptRandom(random, QList<float>{pickWhole(2, 2)} + posti({1, 0, 0}));
    const ModelloVocario::Turno& frase = vocario.PreparaTurno(random);
    QCOMPARE(frase.frase, QStringLiteral("Il cane abbaia."));
    QCOMPARE(frase.voce.testo(), QStringLiteral("abbaia / latra"));
    QCOMPARE(frase.righe, (QList<int>{1, 0, 2}));
    QCOMPARE(vocario.giudica(2).dato, QStringLiteral("canta"));
    QVERIFY(!vocario.giudica(2).esatta && vocario.giudica(0).turnoFinito);

    elenchi.scrivi(QStringLiteral("aree1.txt"),
                   QStringLiteral("frutta, mela, pera, uva\nanimale, cane, gatto, topo\n"));
    ModelloTessere comprende(QStringLiteral("aree1.txt"), ModelloTessere::Regola::Comprende);
    QVERIFY(!comprende.leggi(elenchi.lettore(), {}));
    scriptRandom(random, QList<float>{pickWhole(2, 2)} + posti({0, 0, 0, 0}));
    QCOMPARE(comprende.PreparaTurno(random).voce.testo(),
             QStringLiteral("animale / cane / gatto / topo"));
    QCOMPARE(comprende.giudica(3).dato, QStringLiteral("topo"));
    QVERIFY(comprende.giudica(0).esatta);

    // The intruder: row 1, then the group drawn again until it is another row.
    elenchi.scrivi(QStringLiteral("aree2.txt"),
                   QStringLiteral("mela, pera, uva\ncane, gatto, topo\nrosso, blu, verde\n"));
    ModelloTessere intrusa(QStringLiteral("aree2.txt"), ModelloTessere::Regola::Intrusa);
    QVERIFY(!intrusa.leggi(elenchi.lettore(), {}));
    ScriptedRandomSource* script = scriptRandom(
        random, QList<float>{pickWhole(1, 3), pickWhole(1, 3), pickWhole(3, 3), pickWhole(2, 3)} +
                    posti({3, 0, 1, 2}));
    const ModelloTessere::Turno& turno = intrusa.PreparaTurno(random);
    QCOMPARE(script->remaining(), 0);
    QCOMPARE(turno.voce.record, qint16(3));
    QCOMPARE(turno.voce.testo(), QStringLiteral("pera / rosso / blu / verde"));
    QCOMPARE(turno.righe, (QList<int>{1, 2, 3, 0}));
    QVERIFY(!intrusa.giudica(1).esatta && intrusa.giudica(0).esatta);
}

QTEST_GUILESS_MAIN(ModelsTest)
#include "tst_models.moc"
