#include "estrazione.h"

#include "core/randomgenerator.h"
#include "esercizischeda.h"
#include "teacher/schedeelenchi.h"
#include "wordlists/listmessages.h"
#include "wordlists/wordlistreader.h"

#include <algorithm>
#include <numeric>

namespace vocario {
namespace {

using Forma = EsercizioScheda::Forma;
using Elenco = QList<QStringList>;

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

// An order of 0..n-1.
QList<int> mescolati(RandomGenerator& random, int n) {
    return senzaRipetere(random, n, n);
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
    QList<int> ordine = mescolati(random, n);
    while (n > 1 && fermo(ordine))
        ordine = mescolati(random, n);
    return ordine;
}

// The pairs of `records` in groups of at most `gruppo`, as even as they come;
// each group's second column shuffled, no partner left in its word's row.
QList<VoceScheda> gruppi(RandomGenerator& random, const Elenco& elenco, const QList<int>& records,
                         int gruppo) {
    const int quanti = int(records.size());
    const int numero = (quanti + gruppo - 1) / gruppo;
    QList<VoceScheda> voci;
    for (int g = 0, inizio = 0; g < numero; ++g) {
        const int fine = inizio + (quanti - inizio) / (numero - g);
        VoceScheda voce;
        const QList<int> ordine = senzaVicini(random, fine - inizio);
        voce.destra.resize(ordine.size());
        for (int k = 0; k < fine - inizio; ++k) {
            const QStringList& record = elenco[records[inizio + k]];
            voce.sinistra << record[0];
            voce.destra[ordine[k]] = record[1];
            voce.giuste << ordine[k];
        }
        voci << voce;
        inizio = fine;
    }
    return voci;
}

QList<VoceScheda> abbina(RandomGenerator& random, const EsercizioScheda& es, const Elenco& elenco,
                         int voci) {
    if (es.blocco == 1)
        return gruppi(random, elenco, senzaRipetere(random, int(elenco.size()), voci), es.gruppo);
    // Whole blocks of consecutive records, as the exercise deals them.
    QList<VoceScheda> risultato;
    const int blocchi = int(elenco.size()) / es.blocco;
    for (int b : senzaRipetere(random, blocchi, (voci + es.blocco - 1) / es.blocco)) {
        QList<int> records(es.blocco);
        std::iota(records.begin(), records.end(), b * es.blocco);
        risultato << gruppi(random, elenco, records, es.gruppo);
    }
    return risultato;
}

VoceScheda gradi(RandomGenerator& random, const QStringList& record) {
    const int meno = random.below(2);
    VoceScheda voce;
    voce.sinistra = meno == 0 ? record : QStringList{record[1], record[0]};
    voce.giuste = {meno, 1 - meno};
    return voce;
}

VoceScheda scelta(RandomGenerator& random, const QStringList& scelte, int giusta) {
    VoceScheda voce;
    const QList<int> ordine = mescolati(random, int(scelte.size()));
    for (int k : ordine)
        voce.scelte << scelte[k];
    voce.giuste = {int(ordine.indexOf(giusta))};
    return voce;
}

QList<VoceScheda> estrai(RandomGenerator& random, const EsercizioScheda& es,
                         const QList<Elenco>& elenchi, int voci) {
    const Elenco& elenco = elenchi.front();
    if (es.forma == Forma::Abbina)
        return abbina(random, es, elenco, voci);
    QList<VoceScheda> risultato;
    if (es.forma == Forma::SinonimiContrari) {
        // Each pair from either list with equal chance, as the exercise deals them.
        QList<int> usati[2];
        for (int i = 0; i < voci; ++i) {
            int lista = random.below(2);
            if (usati[lista].size() == elenchi[lista].size())
                lista = 1 - lista;
            if (usati[lista].size() == elenchi[lista].size())
                break;
            int record = 0;
            do
                record = random.below(int(elenchi[lista].size()));
            while (usati[lista].contains(record));
            usati[lista] << record;
            VoceScheda voce;
            voce.sinistra = elenchi[lista][record];
            voce.scelte = {QStringLiteral("sinonimi"), QStringLiteral("contrari")};
            voce.giuste = {lista};
            risultato << voce;
        }
        return risultato;
    }
    const QList<int> records = senzaRipetere(random, int(elenco.size()), voci);
    for (int r : records) {
        const QStringList& record = elenco[r];
        switch (es.forma) {
        case Forma::Gradi:
            risultato << gradi(random, record);
            break;
        case Forma::Comprende:
            risultato << scelta(random, record, 0);
            break;
        case Forma::Intrusa: {
            // The intruder is a word of another group.
            int altro = random.below(int(elenco.size()) - 1);
            altro += altro >= r ? 1 : 0;
            const QString intrusa = elenco[altro][random.below(3)];
            risultato << scelta(random, QStringList{intrusa} + record, 0);
            break;
        }
        case Forma::Significato: {
            VoceScheda voce = scelta(random, record.mid(2, 3), 0);
            voce.frase = record[0];
            voce.parola = record[1];
            risultato << voce;
            break;
        }
        case Forma::Abbina:
        case Forma::SinonimiContrari:
            break;
        }
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
        QList<Elenco> elenchi;
        for (const ListNeed& need : entry.lists) {
            const SchedaElenco* scheda = schedaElenco(need.file);
            const WordListResult letto =
                reader.read(need.file, scheda->campiPerVoce(), need.maxRecords, need.block);
            if (!letto.ok)
                return {.scheda = {}, .errore = letto.error};
            // Fewer records than the exercise needs for one item make no fair sheet either.
            if (letto.records.size() < need.minRecords)
                return {.scheda = {},
                        .errore = ListMessages::tooFewRecords(
                            reader.shownNameOf(need.file), int(letto.records.size()),
                            need.minRecords,
                            QStringLiteral("la scheda «%1»").arg(es->didascalia()))};
            elenchi << letto.records;
        }
        // To fill a page, more than fit: the page takes what it can hold.
        const int perRiempire =
            es->forma == Forma::Abbina ? es->gruppo * (kVociPerRiempire / 8) : kVociPerRiempire;
        const int voci = richiesta.voci > 0 ? richiesta.voci : perRiempire;
        esito.scheda.blocchi << BloccoScheda{.esercizio = es,
                                             .voci = estrai(random, *es, elenchi, voci),
                                             .unaPagina = richiesta.voci <= 0};
    }
    return esito;
}

} // namespace vocario
