#pragma once

#include "turnoguidato.h"
#include "voce.h"
#include "wordlists/wordlistreader.h"
#include "wordlists/wordtables.h"

#include <array>

namespace vocario {

class RandomGenerator;
class SceltaVoci;

/// Intensity ordering ("gradi"): the two words of one record of gradi.txt,
/// the less intense first, go to their places "meno intenso" (place 0) and
/// "più intenso" (place 1). Word k belongs on place k.
class ModelloGradi {
  public:
    static constexpr int kParole = 2;
    /// The places' names, as the teacher reads what was given.
    static const std::array<QString, kParole>& nomiDeiPosti();

    struct Turno {
        ChiaveVoce voce;
        /// Word 0 (Label3(0)) is the less intense, word 1 the more.
        std::array<QString, kParole> parole;
        /// Word 0 stands over the left place.
        bool menoASinistra = true;
    };

    explicit ModelloGradi(QString elenco, int maxRecords = kMaxParole);

    std::optional<QString> leggi(const WordListReader& reader, const ControlloElenco& controllo);
    const Turno& PreparaTurno(RandomGenerator& random, const ColoreDelTurno& colore = {});
    /// Word `parola` dropped onto place `posto`. The screen counts a wrong
    /// drop, and a right one only when it finishes the item.
    std::optional<Verdetto> giudica(int parola, int posto);
    /// True when word `parola` belongs on place `posto`.
    static bool giusta(int parola, int posto) { return parola == posto; }
    bool posata(int parola) const { return posate_.at(size_t(parola)); }

    /// A named pupil's review steers the deal; none (a guest) deals at random.
    void setRipasso(SceltaVoci* scelta) { scelta_ = scelta; }

    const Turno& turno() const { return turno_; }

    WordColumn Parole1;
    WordColumn Parole2;
    qint16 NumeroParole = 0;
    qint16 Estratto = 0;
    qint16 CoppieFatte = 0;

  private:
    QString elenco_;
    int maxRecords_;
    Turno turno_;
    std::array<bool, kParole> posate_{};
    SceltaVoci* scelta_ = nullptr;
    IndiceVoci indice_;
};

} // namespace vocario
