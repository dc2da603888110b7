#pragma once

#include <QString>
#include <optional>

namespace vocario {

struct ExerciseEntry;

/// How an exercise is done on paper, one row per exercise of the menu.
struct EsercizioScheda {
    enum class Forma {
        /// Two columns, the second shuffled, joined with lines.
        Abbina,
        /// A pair of words written into the boxes of an intensity scale.
        Gradi,
        /// A pair of words, "sinonimi / contrari" to circle.
        SinonimiContrari,
        /// A sentence, its word in bold, three meanings to tick.
        Significato,
        /// Four words, the one that includes the others to circle.
        Comprende,
        /// Four words, the one that does not belong to cross out.
        Intrusa,
    };

    /// The menu button of the exercise ("Command2"), as in the catalogue.
    const char* menuButton;
    Forma forma;
    /// What the teacher writes above the items.
    const char* istruzione;
    /// Matching: the most pairs joined in one group of two columns.
    int gruppo = 1;
    /// Matching: pairs come in blocks of this many consecutive records.
    int blocco = 1;

    /// The menu's caption ("abbina contrari").
    QString didascalia() const;
};

/// The row of the exercise behind `entry`; null for one that has no sheet.
const EsercizioScheda* esercizioScheda(const ExerciseEntry& entry);

} // namespace vocario
