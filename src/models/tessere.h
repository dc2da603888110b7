#pragma once

#include "turnoguidato.h"
#include "voce.h"
#include "wordlists/wordlistreader.h"
#include "wordlists/wordtables.h"

#include <QHash>
#include <QList>
#include <array>

namespace vocario {

class RandomGenerator;
class SceltaVoci;

/// Rows 1..100 of an area list (TabellaAree1 in Form4, TabellaAree2 in Form6).
using TabellaAree = TextTable<101, 4>;

/// Four word tiles, stacked in random order; the pupil clicks the right one,
/// which is always tile 0. One model for "parola che comprende le altre"
/// and "parola intrusa", told apart by their rules.
class ModelloTessere {
  public:
    static constexpr int kTessere = 4;

    enum class Regola {
        /// aree1.txt: the including word, then the three words it includes.
        Comprende,
        /// aree2.txt: three words of one group, and the intruder, a word of
        /// another group, first.
        Intrusa,
    };

    struct Turno {
        /// The record dealt (the group's, for the intruder) and the tiles'
        /// texts, the right one first.
        ChiaveVoce voce;
        std::array<QString, kTessere> testi;
        /// The row of each tile.
        QList<int> righe;
    };

    ModelloTessere(QString elenco, Regola regola);

    std::optional<QString> leggi(const WordListReader& reader, const ControlloElenco& controllo);
    const Turno& PreparaTurno(RandomGenerator& random, const ColoreDelTurno& colore = {});
    /// The pupil clicks tile k.
    Verdetto giudica(int tessera) const;

    /// A named pupil's review steers the deal; none (a guest) deals at random.
    void setRipasso(SceltaVoci* scelta) { scelta_ = scelta; }

    const Turno& turno() const { return turno_; }
    const TabellaAree& tabella() const { return tabella_; }
    qint16 numeroVoci() const { return numeroVoci_; }

  private:
    void estrai(RandomGenerator& random);
    bool estraiDalRipasso(RandomGenerator& random);
    bool estraiVoce(const QString& testo);
    void preparaIndice();

    QString elenco_;
    Regola regola_;
    TabellaAree tabella_;
    qint16 numeroVoci_ = 0;
    Turno turno_;
    SceltaVoci* scelta_ = nullptr;
    /// By row: the item's texts (Comprende) or the group's three (Intrusa).
    IndiceVoci indice_;
    /// Intrusa: where each word stands, row * kTessere + column.
    QHash<QString, int> posti_;
};

} // namespace vocario
