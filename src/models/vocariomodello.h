#pragma once

#include "turnoguidato.h"
#include "voce.h"
#include "wordlists/wordlistreader.h"
#include "wordlists/wordtables.h"

#include <QList>

namespace vocario {

class RandomGenerator;
class SceltaVoci;

/// "vocario": a sentence, the word or phrase it asks about, and three
/// meanings on shuffled buttons; meaning 0 is the right one.
class ModelloVocario {
  public:
    /// Rows 1..100 of vocario.txt, fields 1..5 (row 0 and field 0 unused).
    static constexpr int kRigheVocario = 101;
    using Tabella = TextTable<kRigheVocario, 6>;
    static constexpr int kSignificati = 3;

    struct Turno {
        /// The word and its right meaning.
        ChiaveVoce voce;
        QString frase;
        QString parola;
        /// Meaning k goes on Bottone(k); 0 is the right one.
        QList<QString> significati;
        /// The row of each button.
        QList<int> righe;
    };

    explicit ModelloVocario(QString elenco);

    std::optional<QString> leggi(const WordListReader& reader, const ControlloElenco& controllo);
    const Turno& PreparaTurno(RandomGenerator& random, const ColoreDelTurno& colore = {});
    /// The pupil presses the button of meaning k.
    Verdetto giudica(int significato) const;

    /// A named pupil's review steers the deal; none (a guest) deals at random.
    void setRipasso(SceltaVoci* scelta) { scelta_ = scelta; }

    const Turno& turno() const { return turno_; }
    const Tabella& tabella() const { return TabellaVocario; }
    qint16 numeroVoci() const { return numeroVoci_; }

  private:
    QString elenco_;
    Tabella TabellaVocario;
    qint16 numeroVoci_ = 0;
    Turno turno_;
    SceltaVoci* scelta_ = nullptr;
    IndiceVoci indice_;
};

} // namespace vocario
