#pragma once

#include <QString>
#include <optional>

namespace vocario {

/// How large the windows are: the design's size (smaller only when the
/// screen is), the largest that fits the screen, or the whole screen.
enum class Dimensione { Normale, Grande, SchermoIntero };

/// A field as the options hold it (`Valore`) or as one run may choose it
/// (`std::optional`, nothing when not chosen).
template <typename T> using Valore = T;
template <template <typename> class Campo, typename T> constexpr Campo<T> iniziale(T valore) {
    if constexpr (std::is_same_v<Campo<T>, T>)
        return valore;
    else
        return std::nullopt;
}

/// The choices a pupil or a teacher makes in "Opzioni": the window size, the
/// voice that reads aloud, the readable letters and the capitals. The
/// initial values are the defaults, the program as designed. A new option is
/// a field here and a row in the table of options (tabellaopzioni.cpp), which
/// makes its control in the dialog, its key in the settings, its switches on
/// the command line and their lines in --help.
template <template <typename> class Campo> struct CampiOpzioni {
    Campo<Dimensione> dimensione = iniziale<Campo>(Dimensione::Normale);
    Campo<bool> leggiAdAltaVoce = iniziale<Campo>(false);
    Campo<bool> altaLeggibilita = iniziale<Campo>(false);
    Campo<bool> maiuscolo = iniziale<Campo>(false);

    bool operator==(const CampiOpzioni&) const = default;
};

using Opzioni = CampiOpzioni<Valore>;

/// Choices given for one run (on the command line): what is not given keeps
/// its stored value.
/// (Its functions are made from the table of options, in tabellaopzioni.cpp.)
struct ScelteOpzioni : CampiOpzioni<std::optional> {
    /// `base` with these choices put over it.
    Opzioni applicate(Opzioni base) const;
};

/// The word that names a size in the settings file and on the command line
/// ("normale", "grande", "schermo-intero"), and back; nothing for a word that
/// names no size.
QString nomeDimensione(Dimensione dimensione);
std::optional<Dimensione> dimensioneDalNome(const QString& nome);

} // namespace vocario
