#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace vocario {

struct EsercizioScheda;

/// One item of a worksheet, as it is printed. Which fields hold what
/// depends on the exercise's form (see EsercizioScheda::Forma).
struct VoceScheda {
    /// Matching: the first column, numbered; intensity: the two words in the
    /// order printed; synonym or antonym: the pair.
    QStringList sinistra;
    /// Matching: the second column, shuffled, lettered.
    QStringList destra;
    /// Word meaning: the sentence and the word asked about.
    QString frase;
    QString parola;
    /// The choices to circle, cross out or tick, in the order printed.
    QStringList scelte;
    /// Matching: for each word of `sinistra`, the index of its partner in
    /// `destra`. Intensity: the index in `sinistra` of the less intense word,
    /// then of the more intense one. Otherwise: the index of the right choice.
    QList<int> giuste;

    /// Pairs of a matching group; 1 for every other item.
    int conteggio() const { return destra.isEmpty() ? 1 : int(sinistra.size()); }
};

/// One exercise's part of a worksheet.
struct BloccoScheda {
    const EsercizioScheda* esercizio = nullptr;
    QList<VoceScheda> voci;
    /// No number of items was asked: the block takes what fits on one page.
    bool unaPagina = false;
};

/// A worksheet: its blocks in order, and how the words look.
struct Scheda {
    QList<BloccoScheda> blocchi;
    bool altaLeggibilita = false;
    bool maiuscolo = false;
};

} // namespace vocario
