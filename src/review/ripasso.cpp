#include "ripasso.h"

#include <QDateTime>
#include <algorithm>
#include <vector>

namespace vocario {
namespace {

constexpr qint64 kGiorno = 24 * 60 * 60 * 1000;
constexpr int kScatole = int(std::size(Ripasso::kIntervalli));
// An item is being learnt until its interval reaches this box (4 days):
// while too many are, no new one comes.
constexpr int kScatolaAvviata = 2;

qint64 fusoDelSistema(qint64 quando) {
    return qint64(QDateTime::fromMSecsSinceEpoch(quando).offsetFromUtc()) * 1000;
}

// How many items may be being learnt at once: a few turns' worth, so that
// each comes back before the next ones crowd it out.
int inApprendimentoAlPiu(int posti) {
    return posti > 1 ? 3 * posti : 8;
}

bool inApprendimento(const StatoVoce& voce) {
    using Fase = StatoVoce::Fase;
    return voce.fase == Fase::Sbagliata || voce.fase == Fase::Domani ||
           (voce.fase == Fase::Intervallo && voce.scatola < kScatolaAvviata);
}

} // namespace

Ripasso::Ripasso(FusoOrario fuso) : fuso_(fuso ? std::move(fuso) : FusoOrario(fusoDelSistema)) {}

Ripasso Ripasso::daRisposte(QList<RispostaRipasso> risposte, FusoOrario fuso) {
    Ripasso ripasso(std::move(fuso));
    std::stable_sort(risposte.begin(), risposte.end(),
                     [](const auto& a, const auto& b) { return a.quando < b.quando; });
    ripasso.risposte_ = std::move(risposte);
    for (const RispostaRipasso& r : std::as_const(ripasso.risposte_))
        ripasso.applica(r);
    return ripasso;
}

Ripasso Ripasso::daPiano(const QList<VoceRipasso>& piano, FusoOrario fuso) {
    Ripasso ripasso(std::move(fuso));
    ripasso.unisci(piano);
    return ripasso;
}

QString Ripasso::chiave(const QString& esercizio, const QString& voce) {
    return esercizio + u'\x1f' + voce;
}

QList<VoceRipasso> Ripasso::piano(const QSet<QString>* solo) const {
    QList<VoceRipasso> voci;
    for (auto e = esercizi_.cbegin(); e != esercizi_.cend(); ++e)
        for (auto v = e->voci.cbegin(); v != e->voci.cend(); ++v)
            if (!solo || solo->contains(chiave(e.key(), v.key())))
                voci.append({e.key(), v.key(), v.value()});
    return voci;
}

void Ripasso::unisci(const QList<VoceRipasso>& altro) {
    daRisposte_ = false;
    for (const VoceRipasso& v : altro) {
        Esercizio& esercizio = esercizi_[v.esercizio];
        auto trovata = esercizio.voci.find(v.voce);
        if (trovata == esercizio.voci.end())
            esercizio.voci.insert(v.voce, v.stato);
        else if (v.stato.ultimaRisposta > trovata->ultimaRisposta)
            *trovata = v.stato;
        // Each showing took the next number: the last one is the count.
        esercizio.mostre = std::max(esercizio.mostre, v.stato.numeroMostra);
    }
}

void Ripasso::aggiungi(const RispostaRipasso& risposta) {
    if (!daRisposte_ || risposte_.isEmpty() || risposte_.constLast().quando <= risposta.quando) {
        risposte_.append(risposta);
        applica(risposta);
        return;
    }
    const auto dove =
        std::upper_bound(risposte_.begin(), risposte_.end(), risposta.quando,
                         [](qint64 quando, const RispostaRipasso& r) { return quando < r.quando; });
    risposte_.insert(dove, risposta);
    esercizi_.clear();
    for (const RispostaRipasso& r : std::as_const(risposte_))
        applica(r);
}

qint64 Ripasso::inizioGiorno(qint64 quando, int giorniDopo) const {
    // Asked once a UTC day: the day a clock changes may start an hour off.
    const qint64 giornoUtc = quando / kGiorno;
    if (giornoUtc != giornoInCache_) {
        giornoInCache_ = giornoUtc;
        offsetInCache_ = fuso_(quando);
    }
    const qint64 locale = quando + offsetInCache_;
    const qint64 giorno = locale / kGiorno - (locale % kGiorno < 0 ? 1 : 0);
    return (giorno + giorniDopo) * kGiorno - offsetInCache_;
}

void Ripasso::applica(const RispostaRipasso& r) {
    using Fase = StatoVoce::Fase;
    Esercizio& esercizio = esercizi_[r.esercizio];
    auto trovata = esercizio.voci.find(r.voce);
    if (trovata == esercizio.voci.end()) {
        // Right at its first showing: it waits longer than a missed one.
        trovata = esercizio.voci.insert(
            r.voce, {.fase = r.esatta ? Fase::Intervallo : Fase::Sbagliata,
                     .scade = r.esatta ? inizioGiorno(r.quando, kIntervalli[0]) : 0,
                     .mostrata = r.quando,
                     .ultimaRisposta = r.quando,
                     .ultimaEsatta = r.esatta,
                     .numeroMostra = ++esercizio.mostre});
        return;
    }
    StatoVoce& voce = *trovata;
    // A showing is its wrong answers and the right one that ends it: only
    // its first answer says whether the pupil knew the item.
    const bool nuovaMostra = voce.ultimaEsatta || r.quando - voce.ultimaRisposta > kShowingLasciato;
    voce.ultimaRisposta = r.quando;
    voce.ultimaEsatta = r.esatta;
    if (!nuovaMostra)
        return;
    voce.mostrata = r.quando;
    voce.numeroMostra = ++esercizio.mostre;
    if (!r.esatta) {
        voce.fase = Fase::Sbagliata;
        voce.scatola = 0;
        voce.scade = 0;
        return;
    }
    switch (voce.fase) {
    case Fase::Sbagliata:
        voce.fase = Fase::Domani;
        voce.scade = inizioGiorno(r.quando, 1);
        break;
    case Fase::Domani:
    case Fase::Intervallo:
        // Shown ahead of time and right: the interval has not been kept.
        if (r.quando < voce.scade)
            break;
        if (voce.fase == Fase::Domani) {
            voce.fase = Fase::Intervallo;
            voce.scatola = 0;
        } else if (++voce.scatola == kScatole) {
            voce.fase = Fase::Imparata;
            voce.scatola = 0;
            voce.scade = 0;
            break;
        }
        voce.scade = inizioGiorno(r.quando, kIntervalli[voce.scatola]);
        break;
    case Fase::Imparata:
        break;
    }
}

bool Ripasso::dovuta(const StatoVoce& voce, const Esercizio& esercizio, int posti,
                     qint64 adesso) const {
    switch (voce.fase) {
    case StatoVoce::Fase::Sbagliata:
        // The next turn where a turn shows several; after a few others
        // where it shows one; in any case on a later day.
        return posti > 1 || esercizio.mostre - voce.numeroMostra >= kAltreDopoErrore ||
               adesso >= inizioGiorno(voce.ultimaRisposta, 1);
    case StatoVoce::Fase::Domani:
    case StatoVoce::Fase::Intervallo:
        return adesso >= voce.scade;
    case StatoVoce::Fase::Imparata:
        return false;
    }
    return false;
}

RichiestaRipasso Ripasso::richiesta(const QString& esercizio, int posti, qint64 adesso) const {
    RichiestaRipasso richiesta;
    const auto trovato = esercizi_.constFind(esercizio);
    if (trovato == esercizi_.constEnd()) {
        richiesta.nuove = std::min(posti, inApprendimentoAlPiu(posti));
        return richiesta;
    }
    // Missed ones first, the earliest missed first; then by the time due.
    struct Candidata {
        bool sbagliata;
        qint64 quando;
        const QString* testo;
        bool operator<(const Candidata& c) const {
            // Ties by text: the same answers give the same deals on any run.
            if (sbagliata != c.sbagliata)
                return sbagliata;
            return quando != c.quando ? quando < c.quando : *testo < *c.testo;
        }
    };
    std::vector<Candidata> dovute;
    std::vector<Candidata> avanti;
    int inCorso = 0;
    for (auto v = trovato->voci.cbegin(); v != trovato->voci.cend(); ++v) {
        const StatoVoce& voce = v.value();
        if (voce.fase == StatoVoce::Fase::Imparata)
            continue;
        inCorso += inApprendimento(voce) ? 1 : 0;
        const bool sbagliata = voce.fase == StatoVoce::Fase::Sbagliata;
        const Candidata c{sbagliata, sbagliata ? voce.mostrata : voce.scade, &v.key()};
        (dovuta(voce, *trovato, posti, adesso) ? dovute : avanti).push_back(c);
    }
    std::sort(dovute.begin(), dovute.end());
    const size_t primeAvanti = std::min(avanti.size(), size_t(2 * posti));
    std::partial_sort(avanti.begin(), avanti.begin() + qsizetype(primeAvanti), avanti.end());
    for (const Candidata& c : dovute)
        richiesta.dovute.append(*c.testo);
    for (size_t k = 0; k < primeAvanti; ++k)
        richiesta.avanti.append(*avanti[k].testo);
    richiesta.nuove = std::clamp(inApprendimentoAlPiu(posti) - inCorso, 0, posti);
    return richiesta;
}

const StatoVoce* Ripasso::stato(const QString& esercizio, const QString& voce) const {
    const auto trovato = esercizi_.constFind(esercizio);
    if (trovato == esercizi_.constEnd())
        return nullptr;
    const auto v = trovato->voci.constFind(voce);
    return v == trovato->voci.constEnd() ? nullptr : &v.value();
}

int Ripasso::inRipasso(const QString& esercizio) const {
    const auto trovato = esercizi_.constFind(esercizio);
    if (trovato == esercizi_.constEnd())
        return 0;
    return int(trovato->voci.size()) - imparate(esercizio);
}

int Ripasso::imparate(const QString& esercizio) const {
    const auto trovato = esercizi_.constFind(esercizio);
    if (trovato == esercizi_.constEnd())
        return 0;
    return int(std::count_if(trovato->voci.cbegin(), trovato->voci.cend(), [](const StatoVoce& v) {
        return v.fase == StatoVoce::Fase::Imparata;
    }));
}

} // namespace vocario
