#include "estrazione.h"

#include "core/randomgenerator.h"
#include "esercizischeda.h"
#include "models/abbinamento.h"
#include "models/scala.h"
#include "models/sinonimicontrari.h"
#include "models/tessere.h"
#include "models/vocariomodello.h"
#include "wordlists/listmessages.h"
#include "wordlists/wordlistreader.h"

#include <QPair>
#include <QSet>
#include <algorithm>
#include <numeric>

namespace vocario {
namespace {

using Forma = EsercizioScheda::Forma;
using Coppia = QPair<QString, QString>;

// k different whole numbers of 0..n-1, in the order drawn.
QList<int> senzaRipetere(RandomGenerator& random, int n, int k) {
    QList<int> tutti(n);
    std::iota(tutti.begin(), tutti.end(), 0);
    k = std::min(k, n);
    for (int i = 0; i < k; ++i)
        std::swap(tutti[i], tutti[i + random.below(n - i)]);
    tutti.resize(k);
    return tutti;
}

// An order of 0..n-1 that leaves no k in place: no partner is printed
// beside its word.
QList<int> senzaVicini(RandomGenerator& random, int n) {
    const auto fermo = [](const QList<int>& ordine) {
        for (int k = 0; k < ordine.size(); ++k)
            if (ordine[k] == k)
                return true;
        return false;
    };
    QList<int> ordine = senzaRipetere(random, n, n);
    while (n > 1 && fermo(ordine))
        ordine = senzaRipetere(random, n, n);
    return ordine;
}

// The pairs in groups of at most `gruppo`, as even as they come; each
// group's second column shuffled, no partner left in its word's row.
QList<VoceScheda> gruppi(RandomGenerator& random, const QList<Coppia>& coppie, int gruppo) {
    const int quanti = int(coppie.size());
    const int numero = (quanti + gruppo - 1) / gruppo;
    QList<VoceScheda> voci;
    for (int g = 0, inizio = 0; g < numero; ++g) {
        const int fine = inizio + (quanti - inizio) / (numero - g);
        VoceScheda voce;
        const QList<int> ordine = senzaVicini(random, fine - inizio);
        voce.destra.resize(ordine.size());
        for (int k = 0; k < fine - inizio; ++k) {
            voce.sinistra << coppie[inizio + k].first;
            voce.destra[ordine[k]] = coppie[inizio + k].second;
            voce.giuste << ordine[k];
        }
        voci << voce;
        inizio = fine;
    }
    return voci;
}

// A sheet prints no item twice: the exercise's own deal runs until it has
// given `voci` different items, or until the list has surely shown all it
// holds (with replacement, n records all come out within a few n ln n deals).
template <typename Modello, typename Prendi>
void distinte(Modello& modello, RandomGenerator& random, int records, int voci, Prendi prendi) {
    QSet<QString> viste;
    const int tentativi = 20 * records + 100;
    for (int t = 0; t < tentativi && viste.size() < voci; ++t) {
        const auto& turno = modello.PreparaTurno(random);
        prendi(turno, viste);
    }
}

QString chiave(const ChiaveVoce& voce) {
    return voce.elenco + u'#' + QString::number(voce.record);
}

// The choices in the rows the exercise dealt them to, and which is right.
VoceScheda scelta(const QStringList& testi, const QList<int>& righe) {
    VoceScheda voce;
    voce.scelte.resize(testi.size());
    for (int k = 0; k < testi.size(); ++k)
        voce.scelte[righe[k]] = testi[k];
    voce.giuste = {righe[0]};
    return voce;
}

QList<VoceScheda> abbina(RandomGenerator& random, const EsercizioScheda& es,
                         const ExerciseEntry& entry, const WordListReader& reader,
                         const ControlloElenco& controllo, int voci, QString* errore) {
    const ListNeed& need = entry.lists.front();
    const bool blocchi = es.blocco > 1;
    ModelloAbbina modello({.elenco = need.file,
                           .coppie = blocchi ? es.blocco : es.gruppo,
                           .maxRecords = need.maxRecords,
                           .blocco = need.block,
                           .estrazione = blocchi ? RegoleAbbina::Estrazione::Blocco
                                                 : RegoleAbbina::Estrazione::RecordDiversi});
    if (std::optional<QString> problema = modello.leggi(reader, controllo)) {
        *errore = *problema;
        return {};
    }
    QList<Coppia> coppie;
    QList<VoceScheda> risultato;
    distinte(modello, random, modello.NumeroParole, voci,
             [&](const ModelloAbbina::Turno& turno, QSet<QString>& viste) {
                 QList<Coppia> blocco;
                 for (const ModelloAbbina::Coppia& c : turno.coppie) {
                     if (viste.size() >= voci || viste.contains(chiave(c.voce)))
                         continue;
                     // A block is taken whole, or not at all.
                     if (!blocchi)
                         viste.insert(chiave(c.voce));
                     blocco << Coppia(c.voce.testi[0], c.voce.testi[1]);
                 }
                 if (!blocchi) {
                     coppie << blocco;
                 } else if (!viste.contains(chiave(turno.coppie.front().voce))) {
                     for (const ModelloAbbina::Coppia& c : turno.coppie)
                         viste.insert(chiave(c.voce));
                     risultato << gruppi(random, blocco, es.gruppo);
                 }
             });
    return blocchi ? risultato : gruppi(random, coppie, es.gruppo);
}

QList<VoceScheda> estrai(RandomGenerator& random, const EsercizioScheda& es,
                         const ExerciseEntry& entry, const WordListReader& reader,
                         const ControlloElenco& controllo, int voci, QString* errore) {
    if (es.forma == Forma::Abbina)
        return abbina(random, es, entry, reader, controllo, voci, errore);
    QList<VoceScheda> risultato;
    const auto letto = [&](std::optional<QString> problema) {
        if (problema)
            *errore = *problema;
        return !problema;
    };
    const auto nuova = [](QSet<QString>& viste, const ChiaveVoce& voce) {
        const QString k = chiave(voce);
        return viste.contains(k) ? false : (viste.insert(k), true);
    };
    const QString& file = entry.lists.front().file;
    switch (es.forma) {
    case Forma::SinonimiContrari: {
        ModelloSinonimiContrari modello(file, entry.lists.at(1).file,
                                        entry.lists.front().maxRecords);
        if (!letto(modello.leggi(reader, controllo)))
            return {};
        distinte(modello, random, modello.NumeroParole + modello.NumeroParole2, voci,
                 [&](const ModelloSinonimiContrari::Turno& turno, QSet<QString>& viste) {
                     if (!nuova(viste, turno.voce))
                         return;
                     VoceScheda voce;
                     voce.sinistra = turno.voce.testi;
                     voce.scelte = {QStringLiteral("sinonimi"), QStringLiteral("contrari")};
                     voce.giuste = {turno.giusta == ModelloSinonimiContrari::kSinonimi ? 0 : 1};
                     risultato << voce;
                 });
        break;
    }
    case Forma::Gradi: {
        ModelloGradi modello(file, entry.lists.front().maxRecords);
        if (!letto(modello.leggi(reader, controllo)))
            return {};
        distinte(modello, random, modello.NumeroParole, voci,
                 [&](const ModelloGradi::Turno& turno, QSet<QString>& viste) {
                     if (!nuova(viste, turno.voce))
                         return;
                     // The words in the order the window puts them over the scale.
                     const int meno = turno.menoASinistra ? 0 : 1;
                     VoceScheda voce;
                     voce.sinistra = turno.menoASinistra
                                         ? QStringList{turno.parole[0], turno.parole[1]}
                                         : QStringList{turno.parole[1], turno.parole[0]};
                     voce.giuste = {meno, 1 - meno};
                     risultato << voce;
                 });
        break;
    }
    case Forma::Comprende:
    case Forma::Intrusa: {
        ModelloTessere modello(file, es.forma == Forma::Comprende
                                         ? ModelloTessere::Regola::Comprende
                                         : ModelloTessere::Regola::Intrusa);
        if (!letto(modello.leggi(reader, controllo)))
            return {};
        distinte(modello, random, modello.numeroVoci(), voci,
                 [&](const ModelloTessere::Turno& turno, QSet<QString>& viste) {
                     if (nuova(viste, turno.voce))
                         risultato << scelta(turno.voce.testi, turno.righe);
                 });
        break;
    }
    case Forma::Significato: {
        ModelloVocario modello(file);
        if (!letto(modello.leggi(reader, controllo)))
            return {};
        distinte(modello, random, modello.numeroVoci(), voci,
                 [&](const ModelloVocario::Turno& turno, QSet<QString>& viste) {
                     if (!nuova(viste, turno.voce))
                         return;
                     VoceScheda voce = scelta(turno.significati, turno.righe);
                     voce.frase = turno.frase;
                     voce.parola = turno.parola;
                     risultato << voce;
                 });
        break;
    }
    case Forma::Abbina:
        break;
    }
    return risultato;
}

} // namespace

EsitoScheda componiScheda(const Catalogo& catalogo, const RichiestaScheda& richiesta,
                          const WordListReader& reader, RandomGenerator& random) {
    EsitoScheda esito;
    esito.scheda.altaLeggibilita = richiesta.altaLeggibilita;
    esito.scheda.maiuscolo = richiesta.maiuscolo;
    for (int indice : richiesta.esercizi) {
        const ExerciseEntry& entry = catalogo[size_t(indice)];
        const EsercizioScheda* es = esercizioScheda(entry);
        if (!es)
            continue;
        // Fewer records than the exercise needs for one item make no fair sheet either.
        const ControlloElenco controllo = [&](int records, int k) -> std::optional<QString> {
            const ListNeed& need = entry.lists.at(size_t(k));
            if (records >= need.minRecords)
                return std::nullopt;
            return ListMessages::tooFewRecords(
                reader.shownNameOf(need.file), records, need.minRecords,
                QStringLiteral("la scheda «%1»").arg(es->didascalia()));
        };
        // To fill a page, more than fit: the page takes what it can hold.
        const int perRiempire =
            es->forma == Forma::Abbina ? es->gruppo * (kVociPerRiempire / 8) : kVociPerRiempire;
        const int voci = richiesta.voci > 0 ? richiesta.voci : perRiempire;
        QString errore;
        QList<VoceScheda> estratte = estrai(random, *es, entry, reader, controllo, voci, &errore);
        if (!errore.isEmpty())
            return {.scheda = {}, .errore = errore};
        esito.scheda.blocchi << BloccoScheda{
            .esercizio = es, .voci = std::move(estratte), .unaPagina = richiesta.voci <= 0};
    }
    return esito;
}

} // namespace vocario
