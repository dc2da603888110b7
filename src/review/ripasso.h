#pragma once

#include "models/sceltavoci.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>

namespace vocario {

/// One answer as the review reads it: a row of the register (the PC's file,
/// or a school's server), nothing more.
struct RispostaRipasso {
    /// Milliseconds since 1970, UTC.
    qint64 quando = 0;
    /// voci.esercizio and voci.testo: the item is the pair.
    QString esercizio;
    QString voce;
    bool esatta = false;
    bool operator==(const RispostaRipasso&) const = default;
};

/// Where an item of a pupil stands in the review (Leitner boxes).
struct StatoVoce {
    enum class Fase : quint8 {
        /// Missed: comes back in this session.
        Sbagliata,
        /// Right again after a miss: comes back the next day the pupil plays.
        Domani,
        /// Right at a spaced showing: comes back after kIntervalli[scatola] days.
        Intervallo,
        /// Right at the longest interval: out of the review.
        Imparata,
    };
    Fase fase = Fase::Sbagliata;
    int scatola = 0;
    /// When it is due (Domani, Intervallo): the start of a local day.
    qint64 scade = 0;
    /// The first answer of its last showing, and its last answer.
    qint64 mostrata = 0;
    qint64 ultimaRisposta = 0;
    bool ultimaEsatta = false;
    /// The exercise's showings counted when it was last shown.
    int numeroMostra = 0;
    bool operator==(const StatoVoce&) const = default;
};

/// One item of a pupil's schedule, as it is kept beside the answers (the
/// PC's copy, the school's server) and sent between them.
struct VoceRipasso {
    QString esercizio;
    QString voce;
    StatoVoce stato;
    bool operator==(const VoceRipasso&) const = default;
};

/// A pupil's review, derived from their answers alone: rebuilt from them at
/// any time, and kept in step with each new one.
class Ripasso {
  public:
    /// The days between the spaced showings; right at the last one, learnt.
    static constexpr int kIntervalli[] = {2, 4, 8, 16};
    /// Where a turn shows one item, a missed one comes back after this many others.
    static constexpr int kAltreDopoErrore = 3;
    /// A wrong answer left this long without the right one: the next
    /// answer is a showing of its own.
    static constexpr qint64 kShowingLasciato = 30 * 60 * 1000;

    /// The local time's offset from UTC, in ms, at a moment (UTC ms); by
    /// default the system's.
    using FusoOrario = std::function<qint64(qint64)>;

    explicit Ripasso(FusoOrario fuso = {});
    static Ripasso daRisposte(QList<RispostaRipasso> risposte, FusoOrario fuso = {});
    /// The schedule as it was kept (no answers to rebuild it from).
    static Ripasso daPiano(const QList<VoceRipasso>& piano, FusoOrario fuso = {});

    /// Every item's state, or those of `solo` ("esercizio\x1fvoce" keys).
    QList<VoceRipasso> piano(const QSet<QString>* solo = nullptr) const;
    static QString chiave(const QString& esercizio, const QString& voce);
    /// Another copy of the schedule (another PC's play): of each item the
    /// state with the later answer counts.
    void unisci(const QList<VoceRipasso>& altro);

    /// One more answer: in step at once when it is the latest, else the
    /// review is rebuilt with it in its place (answers from another PC).
    void aggiungi(const RispostaRipasso& risposta);

    /// What a deal of `posti` items of `esercizio` shows at `adesso`.
    RichiestaRipasso richiesta(const QString& esercizio, int posti, qint64 adesso) const;
    /// Where the item stands; null for one never answered.
    const StatoVoce* stato(const QString& esercizio, const QString& voce) const;

    /// Items answered and not learnt, and items learnt.
    int inRipasso(const QString& esercizio) const;
    int imparate(const QString& esercizio) const;
    /// The exercises answered, and each one's items as they stand (read by
    /// the teacher's view).
    QStringList esercizi() const { return esercizi_.keys(); }
    QHash<QString, StatoVoce> voci(const QString& esercizio) const {
        return esercizi_.value(esercizio).voci;
    }
    const QList<RispostaRipasso>& risposte() const { return risposte_; }

    /// The same schedule (the answers aside).
    bool stessoPiano(const Ripasso& altro) const { return esercizi_ == altro.esercizi_; }

  private:
    struct Esercizio {
        QHash<QString, StatoVoce> voci;
        int mostre = 0;
        bool operator==(const Esercizio&) const = default;
    };

    void applica(const RispostaRipasso& risposta);
    qint64 inizioGiorno(qint64 quando, int giorniDopo) const;
    bool dovuta(const StatoVoce& voce, const Esercizio& esercizio, int posti, qint64 adesso) const;

    FusoOrario fuso_;
    QList<RispostaRipasso> risposte_;
    /// Built from every answer: a late one rebuilds it in its place.
    /// From a kept schedule an answer can only be applied where it stands.
    bool daRisposte_ = true;
    QHash<QString, Esercizio> esercizi_;
    // The offset of the last day asked for: the answers come in time order.
    mutable qint64 giornoInCache_ = -1;
    mutable qint64 offsetInCache_ = 0;
};

} // namespace vocario
