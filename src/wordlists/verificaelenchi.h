#pragma once

#include "wordlistreader.h"

#include <QList>
#include <QString>

namespace vocario {

/// How much a finding matters, most serious first.
enum class Gravita {
    Errore,       ///< the exercise refuses the list
    DaCorreggere, ///< the exercise opens, but the list misleads the pupil
    Consiglio,    ///< read right; worth tidying
};

/// One finding of the checker.
struct Segnalazione {
    Gravita gravita;
    QString file;  ///< "contrari.txt"
    int riga = 0;  ///< 0 when it concerns the whole file
    QString testo; ///< a whole Italian sentence that names the file and the line
};

/// How one list was found.
struct ElencoLetto {
    QString file;
    QString percorso;
    /// Index of the folder it was read from; -1 when no folder has it.
    int cartella = -1;
    /// Records read; -1 when the exercises refuse the list.
    int voci = -1;
};

/// Everything the checker found in the seven lists.
struct RapportoElenchi {
    QList<ElencoLetto> elenchi;
    /// Most serious first, then in the order of the lists and of the lines.
    QList<Segnalazione> segnalazioni;

    /// True when every exercise can open its lists.
    bool tuttiUtilizzabili() const;
};

/// Reads the seven lists from `cartelle` exactly as the exercises do (a file
/// from the first folder that has it) and checks them.
RapportoElenchi verificaElenchi(const QList<WordListFolder>& cartelle);

} // namespace vocario
