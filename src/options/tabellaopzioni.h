#pragma once

#include "opzioni.h"

#include <QStringList>
#include <vector>

namespace vocario {

/// How a row reaches its field in Opzioni and in ScelteOpzioni, the value
/// held as a number (false 0, true 1; an enumeration's value).
struct AccessoCampo {
    int (*valore)(const Opzioni&);
    void (*imposta)(Opzioni&, int);
    std::optional<int> (*scelta)(const ScelteOpzioni&);
    void (*scegli)(ScelteOpzioni&, int);
};

/// The access through `Campo`, a lambda `[](auto& o) -> auto& { return o.campo; }`
/// that names the field once for both structures.
template <typename Campo> constexpr AccessoCampo accesso(Campo) {
    return {.valore = [](const Opzioni& o) { return int(Campo{}(o)); },
            .imposta =
                [](Opzioni& o, int v) {
                    auto& campo = Campo{}(o);
                    campo = std::remove_cvref_t<decltype(campo)>(v);
                },
            .scelta = [](const ScelteOpzioni& s) -> std::optional<int> {
                const auto& campo = Campo{}(s);
                return campo ? std::optional<int>(int(*campo)) : std::nullopt;
            },
            .scegli =
                [](ScelteOpzioni& s, int v) {
                    auto& campo = Campo{}(s);
                    campo = typename std::remove_cvref_t<decltype(campo)>::value_type(v);
                }};
}

/// One value of an option chosen among words.
struct ValoreOpzione {
    int valore;
    /// In the settings file and after the switch ("schermo-intero").
    const char* parola;
    /// Its choice in the dialog ("schermo intero").
    const char* etichetta;
};

/// A switch that sets a yes/no option, with its line in --help.
struct InterruttoreOpzione {
    QStringList nomi;
    const char* aiuto = nullptr;
};

/// One option: everything the dialog, the settings, the command line and
/// --help know of it.
struct RigaOpzione {
    /// Its key in the settings (under "opzioni/") and, with a capital, the
    /// name of its control in the dialog.
    const char* chiave;
    /// Its check box in the dialog, or the title of its group of choices.
    const char* etichetta;
    AccessoCampo campo;
    /// An option chosen among words: the words, as radio buttons in the
    /// dialog and as the value of `--chiave`, which --help describes with
    /// `aiuto` (%1: the words). Empty for a yes/no option.
    std::vector<ValoreOpzione> valori = {};
    const char* aiuto = nullptr;
    /// A yes/no option: the switches that turn it on and off.
    InterruttoreOpzione si = {};
    InterruttoreOpzione no = {};

    bool siNo() const { return valori.empty(); }
    /// The word of `valore` in the settings ("true", "schermo-intero").
    QString parola(int valore) const;
    /// The value a word names, written by hand as a teacher may ("Schermo
    /// intero"); nothing for a word that names none.
    std::optional<int> valoreDi(const QString& parola) const;
    /// The words it takes, in Italian ("normale, grande o schermo-intero");
    /// empty for a yes/no option.
    QString valoriAmmessi() const;
};

/// Every option, in the order of the dialog and of --help.
const std::vector<RigaOpzione>& tabellaOpzioni();
/// The row of `chiave`, which must be in the table.
const RigaOpzione& rigaOpzione(const char* chiave);

} // namespace vocario
