#include "alunnosimulato.h"

#include "designs/design_form1.h"
#include "designs/design_form2.h"
#include "designs/design_form5.h"
#include "designs/design_form8.h"
#include "exercises/catalogo.h"
#include "models/abbinamento.h"
#include "models/scala.h"
#include "models/sinonimicontrari.h"
#include "models/tessere.h"
#include "models/vocariomodello.h"
#include "wordlists/wordlistreader.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace vocario {

MemoriaSimulata::MemoriaSimulata(double abilita,
                                 std::function<double(const QString&, int)> facilita)
    : abilita_(abilita), facilita_(std::move(facilita)) {}

bool MemoriaSimulata::mostra(const ChiaveVoce& voce, double giorno, std::mt19937& caso) {
    QHash<int, Traccia>& elenco = tracce_[voce.elenco];
    auto traccia = elenco.find(voce.record);
    if (traccia == elenco.end()) {
        const double base = abilita_ * facilita_(voce.elenco, voce.record);
        elenco.insert(voce.record, {.base = base, .emivita = base, .ultima = giorno});
        return false;
    }
    const double p = std::exp2(-(giorno - traccia->ultima) / traccia->emivita);
    const bool ricorda = std::uniform_real_distribution<double>(0, 1)(caso) < p;
    traccia->emivita = ricorda ? traccia->emivita * (1 + 4 * (1 - p))
                               : std::max(traccia->base, 0.6 * traccia->emivita);
    traccia->ultima = giorno;
    return ricorda;
}

double MemoriaSimulata::ritenzione(const QString& elenco, double giorno) const {
    double somma = 0;
    for (const Traccia& t : tracce_.value(elenco))
        somma += std::exp2(-(giorno - t.ultima) / t.emivita);
    return somma;
}

int MemoriaSimulata::mostrate(const QString& elenco) const {
    return int(tracce_.value(elenco).size());
}

void Partita::registra(const Verdetto& verdetto) {
    if (!verdetto.conta)
        return;
    conta(verdetto);
    --rimaste;
    giorno += 5.0 / 86400;
}

namespace {

int aCaso(std::mt19937& caso, int n) {
    return std::uniform_int_distribution<int>(0, n - 1)(caso);
}

// Drag the words in an order of the pupil's, each onto its place when
// recalled, else onto an open place by chance and then, shown, onto its own.
void giocaAbbina(ModelloAbbina& m, Partita& p) {
    while (p.rimaste > 0) {
        const ModelloAbbina::Turno& turno = m.PreparaTurno(p.random);
        const int n = int(turno.coppie.size());
        QList<int> ordine(n);
        std::iota(ordine.begin(), ordine.end(), 0);
        std::shuffle(ordine.begin(), ordine.end(), p.caso);
        QList<bool> occupato(n, false);
        for (int parola : ordine) {
            if (p.rimaste <= 0)
                return;
            const auto suo = [&] {
                for (int q = 0; q < n; ++q)
                    if (!occupato[q] && m.giusta(parola, q))
                        return q;
                return parola;
            };
            int posto = suo();
            if (!p.memoria.mostra(turno.coppie[parola].voce, p.giorno, p.caso)) {
                QList<int> aperti;
                for (int q = 0; q < n; ++q)
                    if (!occupato[q])
                        aperti.append(q);
                posto = aperti[aCaso(p.caso, int(aperti.size()))];
            }
            std::optional<Verdetto> v = m.giudica(parola, posto);
            if (v && !v->esatta) {
                p.registra(*v);
                if (p.rimaste <= 0)
                    return;
                v = m.giudica(parola, posto = suo());
            }
            if (v) {
                occupato[posto] = true;
                p.registra(*v);
            }
        }
    }
}

void giocaGradi(ModelloGradi& m, Partita& p) {
    while (p.rimaste > 0) {
        const ModelloGradi::Turno& turno = m.PreparaTurno(p.random);
        if (!p.memoria.mostra(turno.voce, p.giorno, p.caso) && aCaso(p.caso, 2) == 1) {
            p.registra(*m.giudica(0, 1));
            if (p.rimaste <= 0)
                return;
        }
        p.registra(*m.giudica(0, 0));
        p.registra(*m.giudica(1, 1));
    }
}

// A choice among `scelte` answers, the right one `giusta`.
template <typename Modello>
void giocaScelta(Modello& m, Partita& p, int scelte, const std::function<int()>& giusta,
                 const std::function<int(int)>& sbagliata) {
    while (p.rimaste > 0) {
        const auto& turno = m.PreparaTurno(p.random);
        if (!p.memoria.mostra(turno.voce, p.giorno, p.caso)) {
            const int k = aCaso(p.caso, scelte);
            if (k != 0) {
                p.registra(m.giudica(sbagliata(k)));
                if (p.rimaste <= 0)
                    return;
            }
        }
        p.registra(m.giudica(giusta()));
    }
}

} // namespace

void giocaApertura(const QString& esercizio, Partita& p, SceltaVoci* ripasso,
                   const QString& cartellaProgramma) {
    const WordListReader lettore(cartellaProgramma);
    const ExerciseEntry* entry = nullptr;
    for (const ExerciseEntry& e : catalogoEsercizi())
        if (esercizio == QLatin1String(e.nome))
            entry = &e;
    Q_ASSERT(entry);
    const QString elenco = entry->lists.at(0).file;
    const int massimo = entry->lists.at(0).maxRecords;
    const auto abbina = [&](RegoleAbbina regole) {
        ModelloAbbina m(std::move(regole));
        if (m.leggi(lettore, {}))
            qFatal("%s: list not read", qPrintable(esercizio));
        m.setRipasso(ripasso);
        giocaAbbina(m, p);
    };
    const auto scelta = [&](auto& m, int scelte, auto giusta, auto sbagliata) {
        if (m.leggi(lettore, {}))
            qFatal("%s: list not read", qPrintable(esercizio));
        m.setRipasso(ripasso);
        giocaScelta(m, p, scelte, giusta, sbagliata);
    };
    using Estrazione = RegoleAbbina::Estrazione;
    using Giusta = RegoleAbbina::Giusta;
    if (esercizio == "abbina-contrari")
        abbina({.elenco = elenco, .coppie = kRigheForm1.count, .maxRecords = massimo});
    else if (esercizio == "abbina-gradi")
        abbina({.elenco = elenco, .coppie = kRigheForm5.count, .maxRecords = massimo});
    else if (esercizio == "abbina-sinonimi")
        abbina({.elenco = elenco,
                .coppie = kRigheForm2.count,
                .maxRecords = massimo,
                .giusta = Giusta::StessoRecord,
                .trascinaIlSecondo = true,
                .coloreDopoLeParole = true});
    else if (esercizio == "parola-corretta")
        abbina({.elenco = elenco,
                .coppie = kRigheForm8.count,
                .maxRecords = massimo,
                .blocco = entry->lists.at(0).block,
                .estrazione = Estrazione::Blocco,
                .giusta = Giusta::StessoRecord});
    else if (esercizio == "gradi") {
        ModelloGradi m(elenco, massimo);
        if (m.leggi(lettore, {}))
            qFatal("gradi: list not read");
        m.setRipasso(ripasso);
        giocaGradi(m, p);
    } else if (esercizio == "sinonimi-contrari") {
        ModelloSinonimiContrari m(elenco, entry->lists.at(1).file, massimo);
        scelta(
            m, 2, [&] { return int(m.turno().giusta); },
            [&](int) { return 3 - int(m.turno().giusta); });
    } else if (esercizio == "vocario") {
        ModelloVocario m(elenco);
        scelta(
            m, ModelloVocario::kSignificati, [] { return 0; }, [](int k) { return k; });
    } else {
        ModelloTessere m(elenco, esercizio == "parola-intrusa" ? ModelloTessere::Regola::Intrusa
                                                               : ModelloTessere::Regola::Comprende);
        scelta(
            m, ModelloTessere::kTessere, [] { return 0; }, [](int k) { return k; });
    }
}

} // namespace vocario
