#pragma once

#include "turnoguidato.h"
#include "voce.h"
#include "wordlists/wordlistreader.h"
#include "wordlists/wordtables.h"

#include <QList>
#include <array>

namespace vocario {

class RandomGenerator;
class SceltaVoci;

/// What tells the four matching exercises apart.
struct RegoleAbbina {
    enum class Estrazione {
        /// Different records drawn one by one ("abbina contrari", "abbina
        /// gradi", "abbina sinonimi").
        RecordDiversi,
        /// A block of consecutive records ("parola corretta").
        Blocco,
    };
    enum class Giusta {
        /// The dragged word is the place's own field 1, from whichever
        /// record: a list may hold the same word twice.
        StessoTesto,
        /// The dragged word is the place's own record.
        StessoRecord,
    };
    /// The list's file name.
    QString elenco;
    /// Pairs on show in one item.
    int coppie = 0;
    /// Records read at most, and the block they come in.
    int maxRecords = kMaxParole;
    int blocco = 1;
    Estrazione estrazione = Estrazione::RecordDiversi;
    Giusta giusta = Giusta::StessoTesto;
    /// The words to drag are field 2 and their places field 1 ("abbina
    /// sinonimi"); otherwise the other way round.
    bool trascinaIlSecondo = false;
    /// The item's colour is drawn after the records, before the places
    /// ("abbina sinonimi"); otherwise first.
    bool coloreDopoLeParole = false;
};

/// Matching: the words Label3(k) are dragged onto their places Label4(k).
/// Word k and place k are the pair of the k-th record dealt; the words are
/// shuffled over the rows.
class ModelloAbbina {
  public:
    /// Most pairs an item shows.
    static constexpr int kMaxCoppie = 9;

    struct Coppia {
        ChiaveVoce voce;
        /// The text of word k (to drag) and of place k.
        QString parola;
        QString posto;
    };
    struct Turno {
        QList<Coppia> coppie;
        /// The row each word stands on.
        QList<int> righe;
    };

    explicit ModelloAbbina(RegoleAbbina regole);

    std::optional<QString> leggi(const WordListReader& reader, const ControlloElenco& controllo);
    /// Deals the next item.
    const Turno& PreparaTurno(RandomGenerator& random, const ColoreDelTurno& colore = {});
    /// Word `parola` dropped onto place `posto`; nothing for a word already
    /// placed or an item already done.
    std::optional<Verdetto> giudica(int parola, int posto);
    /// True when word `parola` belongs on place `posto`.
    bool giusta(int parola, int posto) const;
    bool posata(int parola) const { return posate_.at(parola); }

    /// A named pupil's review steers the deal; none (a guest) deals at random.
    void setRipasso(SceltaVoci* scelta) { scelta_ = scelta; }

    const RegoleAbbina& regole() const { return regole_; }
    const Turno& turno() const { return turno_; }
    /// The record shown in pair k.
    qint16 recordDellaCoppia(int k) const;

    WordColumn Parole1;
    WordColumn Parole2;
    qint16 NumeroParole = 0;
    /// The first record of the block on show.
    qint16 Estratto = 0;
    /// The records on show, pair by pair (drawn one by one).
    std::array<qint16, kMaxCoppie> ParoleScelte{};
    /// Right drops in the item on show.
    qint16 CoppieFatte = 0;

  private:
    void estraiParole(RandomGenerator& random);
    void estraiDalRipasso(RandomGenerator& random);

    RegoleAbbina regole_;
    Turno turno_;
    QList<bool> posate_;
    SceltaVoci* scelta_ = nullptr;
    IndiceVoci indice_;
};

} // namespace vocario
