#pragma once

#include "turnoguidato.h"
#include "voce.h"
#include "wordlists/wordlistreader.h"
#include "wordlists/wordtables.h"

namespace vocario {

class RandomGenerator;
class SceltaVoci;

/// "sinonimi contrari": a pair of words drawn from the synonym list or from
/// the antonym list; the pupil says which list it came from. Its tables:
/// the synonyms' field 1 in Parole1 and field 2 in Parole3 (NumeroParole of
/// them), the antonyms' in Parole2 and Parole4 (NumeroParole2).
class ModelloSinonimiContrari : public WordTables {
  public:
    /// `Estratto` of a pair from sinonimi.txt and from contrari.txt, and
    /// the answer that names each list.
    static constexpr qint16 kSinonimi = 1;
    static constexpr qint16 kContrari = 2;

    struct Turno {
        ChiaveVoce voce;
        /// Which list the pair came from: kSinonimi or kContrari.
        qint16 giusta = kSinonimi;
    };

    /// The two lists, synonyms first, and the most records each holds.
    ModelloSinonimiContrari(QString sinonimi, QString contrari, int maxRecords = kMaxParole);

    /// Reads both lists; the tables take the new words only when both can
    /// be used, so a refused opening changes nothing.
    std::optional<QString> leggi(const WordListReader& reader, const ControlloElenco& controllo);
    const Turno& PreparaTurno(RandomGenerator& random, const ColoreDelTurno& colore = {});
    /// The pupil names the list: kSinonimi or kContrari.
    Verdetto giudica(qint16 scelta) const;

    /// A named pupil's review steers the deal; none (a guest) deals at random.
    void setRipasso(SceltaVoci* scelta) { scelta_ = scelta; }

    const Turno& turno() const { return turno_; }

    qint16 Estratto = 0;

  private:
    QString sinonimi_;
    QString contrari_;
    int maxRecords_;
    Turno turno_;
    SceltaVoci* scelta_ = nullptr;
    IndiceVoci indice_;
};

} // namespace vocario
