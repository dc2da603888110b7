// The learning benchmark: 25 simulated pupils play the nine exercises
// through the program's own models for a term, review off and on, the same
// answers each way; then what they still recall a week later. And the
// review's costs: the deal with 10,000 answers, a pupil's answers read from
// a file of 200,000.
#include "alunnosimulato.h"

#include "core/registrazione.h"
#include "exercises/catalogo.h"
#include "models/abbinamento.h"
#include "register/registro.h"
#include "register/rispostealunno.h"
#include "registerfile/operazione.h"
#include "registrofinto.h"
#include "review/registrazioneripasso.h"
#include "wordlists/wordlistreader.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>

using namespace vocario;

namespace {

constexpr qint64 kGiornoMs = 86400000;
// Monday 2 March 2026, 09:00 UTC: the term's first session.
constexpr qint64 kInizio = 1772442000000;
constexpr int kRispostePerSessione = 15 * 60 / 5;

int argomento(const QStringList& args, const QString& nome, int predefinito) {
    const qsizetype i = args.indexOf(nome);
    return i >= 0 && i + 1 < args.size() ? args[i + 1].toInt() : predefinito;
}

// Records only how many answers were given: the review reads them through
// RegistrazioneRipasso, exactly as a named pupil's window hands them over.
class Quaderno final : public Registrazione {
  public:
    void esercizioAperto(const QString&) override {}
    void esercizioLasciato() override {}
    void risposta(const RispostaData&) override { ++risposte; }
    int risposte = 0;
};

struct Esito {
    std::map<QString, double> ritenzione;
    std::map<QString, int> mostrate;
    int risposte = 0;
};

// One pupil's term; the review on or off, the same pupil and draws.
Esito termine(int alunno, bool conRipasso, int settimane, const QString& cartella,
              const QStringList& esercizi, const QStringList& elenchi) {
    std::mt19937 perAbilita(1000 + alunno);
    const double abilita = std::exp(std::normal_distribution<double>(0, 0.3)(perAbilita));
    // e_i per record, the same for every pupil: log-uniform over 0.5 .. 2.
    const auto facilita = [](const QString& elenco, int record) {
        std::mt19937 g(qHash(elenco) * 7919u + unsigned(record));
        return std::exp(std::uniform_real_distribution<double>(std::log(0.5), std::log(2.0))(g));
    };
    MemoriaSimulata memoria(abilita, facilita);
    std::mt19937 caso(77 + alunno);
    RandomGenerator random;
    random.seed(unsigned(500 + alunno));
    double giorno = 0;
    auto quaderno = std::make_unique<Quaderno>();
    Quaderno* conteggio = quaderno.get();
    const auto fusoUtc = [](qint64) { return qint64(0); };
    const auto orologio = [&giorno] { return kInizio + qint64(std::llround(giorno * kGiornoMs)); };
    RegistrazioneRipasso registrazione(std::move(quaderno), Ripasso(fusoUtc), orologio);
    const int perEsercizio = kRispostePerSessione / int(esercizi.size());
    for (int settimana = 0; settimana < settimane; ++settimana)
        for (int giornoSettimana : {0, 3}) {
            giorno = 7.0 * settimana + giornoSettimana;
            for (const QString& esercizio : esercizi) {
                Partita partita{.memoria = memoria,
                                .caso = caso,
                                .random = random,
                                .giorno = giorno,
                                .conta =
                                    [&](const Verdetto& v) {
                                        registrazione.risposta({.esercizio = esercizio,
                                                                .voce = v.voce.testo(),
                                                                .esatta = v.esatta});
                                    },
                                .rimaste = perEsercizio};
                giocaApertura(esercizio, partita,
                              conRipasso ? registrazione.ripasso(esercizio) : nullptr, cartella);
            }
        }
    // A week after the last session.
    const double fine = 7.0 * (settimane - 1) + 3 + 15.0 / 1440 + 7;
    Esito esito;
    esito.risposte = conteggio->risposte;
    for (const QString& elenco : elenchi) {
        esito.ritenzione[elenco] = memoria.ritenzione(elenco, fine);
        esito.mostrate[elenco] = memoria.mostrate(elenco);
    }
    return esito;
}

void apprendimento(const QStringList& args) {
    const int alunni = argomento(args, "--pupils", 25);
    const int settimane = argomento(args, "--weeks", 12);
    const QString cartella = QStringLiteral(VOCARIO_SOURCE_DIR);
    QStringList esercizi;
    QStringList elenchi;
    for (const ExerciseEntry& e : catalogoEsercizi()) {
        esercizi << QLatin1String(e.nome);
        for (const ListNeed& l : e.lists)
            if (!elenchi.contains(l.file))
                elenchi << l.file;
    }
    // Each list's fields, as its exercises read it.
    const std::map<QString, int> campi = {{"aree1.txt", 4}, {"aree2.txt", 3}, {"vocario.txt", 5}};
    std::map<QString, int> record;
    for (const QString& elenco : elenchi) {
        const auto c = campi.find(elenco);
        record[elenco] = int(WordListReader(cartella)
                                 .read(elenco, c == campi.end() ? 2 : c->second, 500)
                                 .records.size());
    }
    std::printf("Learning: %d pupils, %d weeks, Monday and Thursday, %d answers a session "
                "(%d each of the nine exercises, one every 5 s)\n\n",
                alunni, settimane, kRispostePerSessione,
                kRispostePerSessione / int(esercizi.size()));
    std::printf("pupil   answers off/on   retention off    on   ratio\n");
    std::map<QString, double> totOff, totOn;
    std::map<QString, double> vistiOff, vistiOn;
    double tuttiOff = 0, tuttiOn = 0;
    for (int a = 0; a < alunni; ++a) {
        const Esito off = termine(a, false, settimane, cartella, esercizi, elenchi);
        const Esito on = termine(a, true, settimane, cartella, esercizi, elenchi);
        double sOff = 0, sOn = 0;
        for (const QString& elenco : elenchi) {
            sOff += off.ritenzione.at(elenco);
            sOn += on.ritenzione.at(elenco);
            totOff[elenco] += off.ritenzione.at(elenco);
            totOn[elenco] += on.ritenzione.at(elenco);
            vistiOff[elenco] += off.mostrate.at(elenco);
            vistiOn[elenco] += on.mostrate.at(elenco);
        }
        tuttiOff += sOff;
        tuttiOn += sOn;
        std::printf("%5d   %6d/%-6d   %13.1f %5.1f   %5.2f\n", a + 1, off.risposte, on.risposte,
                    sOff, sOn, sOn / sOff);
    }
    std::printf("\nper list, mean of a pupil   records   shown off    on   retention off    on"
                "   ratio\n");
    for (const QString& elenco : elenchi)
        std::printf("%-26s   %7d   %9.1f %5.1f   %13.2f %5.2f   %5.2f\n", qPrintable(elenco),
                    record[elenco], vistiOff[elenco] / alunni, vistiOn[elenco] / alunni,
                    totOff[elenco] / alunni, totOn[elenco] / alunni,
                    totOn[elenco] / totOff[elenco]);
    std::printf("%-26s   %7s   %9s %5s   %13.2f %5.2f   %5.2f\n\n", "all", "", "", "",
                tuttiOff / alunni, tuttiOn / alunni, tuttiOn / tuttiOff);
}

double mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// 10,000 answers of one pupil over 40 weeks, on the nine exercises' items.
QList<RispostaRipasso> risposteDiProva(int quante, qint64 inizio) {
    QList<RispostaRipasso> risposte;
    QRandomGenerator caso(7);
    QStringList esercizi;
    for (const ExerciseEntry& e : catalogoEsercizi())
        esercizi << QLatin1String(e.nome);
    for (int i = 0; i < quante; ++i)
        risposte.append({.quando = inizio + qint64(i) * (40LL * 7 * kGiornoMs / quante),
                         .esercizio = esercizi[int(caso.bounded(qsizetype(esercizi.size())))],
                         .voce = QStringLiteral("parola%1 / contrario%1").arg(caso.bounded(200)),
                         .esatta = caso.bounded(4) != 0});
    return risposte;
}

void costi(const QStringList& args) {
    const int quante = argomento(args, "--answers", 10000);
    const qint64 adesso = QDateTime::currentMSecsSinceEpoch();
    const Ripasso ripasso =
        Ripasso::daRisposte(risposteDiProva(quante, adesso - 40LL * 7 * kGiornoMs));
    std::vector<double> scelte;
    ripasso.richiesta(QStringLiteral("abbina-contrari"), 9,
                      adesso); // the time zone's first reading
    for (int k = 0; k < 200; ++k) {
        QElapsedTimer t;
        t.start();
        const RichiestaRipasso r = ripasso.richiesta(QStringLiteral("abbina-contrari"), 9, adesso);
        scelte.push_back(t.nsecsElapsed() / 1e6);
        Q_UNUSED(r)
    }
    // The whole steered deal of «abbina contrari» on the shipped list.
    ModelloAbbina modello({.elenco = QStringLiteral("contrari.txt"), .coppie = 9});
    modello.leggi(WordListReader(QStringLiteral(VOCARIO_SOURCE_DIR)), {});
    QList<RispostaRipasso> suElenco;
    QRandomGenerator caso(9);
    for (int i = 0; i < quante; ++i) {
        const int r = 1 + int(caso.bounded(modello.NumeroParole));
        suElenco.append({.quando = adesso - 40LL * 7 * kGiornoMs + qint64(i) * 2400000,
                         .esercizio = QStringLiteral("abbina-contrari"),
                         .voce = modello.Parole1[size_t(r)] + " / " + modello.Parole2[size_t(r)],
                         .esatta = caso.bounded(4) != 0});
    }
    const Ripasso suo = Ripasso::daRisposte(suElenco);
    SceltaRipasso scelta(suo, QStringLiteral("abbina-contrari"), [adesso] { return adesso; });
    modello.setRipasso(&scelta);
    RandomGenerator random;
    std::vector<double> turni;
    for (int k = 0; k < 200; ++k) {
        QElapsedTimer t;
        t.start();
        modello.PreparaTurno(random);
        turni.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("Deal with %d answers of the pupil: choosing the due items %.3f ms median "
                "(%.3f the longest), the whole steered deal of abbina-contrari %.3f ms "
                "(%.3f the longest; the first builds the list's index)\n",
                quante, mediana(scelte), *std::max_element(scelte.begin(), scelte.end()),
                mediana(turni), *std::max_element(turni.begin(), turni.end()));

    // A class's file of 200,000 answers, 25 pupils: one pupil's read at "Chi gioca?".
    const int nelFile = argomento(args, "--file-answers", 200000);
    QTemporaryDir cartella;
    Registro registro(cartella.path() + "/registro");
    const QList<qint64> alunni = riempiRegistro(registro, 25, nelFile);
    std::vector<double> letture, piani;
    qsizetype lette = 0;
    for (int k = 0; k < 9; ++k) {
        QElapsedTimer t;
        t.start();
        const QList<RispostaRipasso> risposte = risposteDellAlunno(registro.db(), alunni[k % 25]);
        letture.push_back(t.nsecsElapsed() / 1e6);
        const Ripasso piano = Ripasso::daRisposte(risposte);
        piani.push_back(t.nsecsElapsed() / 1e6);
        lette = risposte.size();
    }
    std::printf("Chi gioca? on a file of %d answers: a pupil's %lld answers read in %.1f ms "
                "median (%.1f the longest), with the review rebuilt %.1f ms (%.1f)\n",
                nelFile, qlonglong(lette), mediana(letture),
                *std::max_element(letture.begin(), letture.end()), mediana(piani),
                *std::max_element(piani.begin(), piani.end()));
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (!args.contains("--costs-only"))
        apprendimento(args);
    if (!args.contains("--learning-only"))
        costi(args);
    return 0;
}
