#pragma once

#include <QString>
#include <optional>

namespace vocario {

/// How large the windows are: the design's size (smaller only when the
/// screen is), the largest that fits the screen, or the whole screen.
enum class Dimensione { Normale, Grande, SchermoIntero };

/// The choices a pupil or a teacher makes in "Opzioni": the window size, the
/// voice that reads aloud, the readable letters and the capitals. The
/// defaults are the program as designed.
struct Opzioni {
    Dimensione dimensione = Dimensione::Normale;
    bool leggiAdAltaVoce = false;
    bool altaLeggibilita = false;
    bool maiuscolo = false;

    bool operator==(const Opzioni&) const = default;
};

/// Choices given for one run (on the command line): what is not given keeps
/// its stored value.
struct ScelteOpzioni {
    std::optional<Dimensione> dimensione;
    std::optional<bool> leggiAdAltaVoce;
    std::optional<bool> altaLeggibilita;
    std::optional<bool> maiuscolo;

    /// `base` with these choices put over it.
    Opzioni applicate(Opzioni base) const;
};

/// The word that names a size in the settings file and on the command line
/// ("normale", "grande", "schermo-intero"), and back; nothing for a word that
/// names no size.
QString nomeDimensione(Dimensione dimensione);
std::optional<Dimensione> dimensioneDalNome(const QString& nome);

} // namespace vocario
