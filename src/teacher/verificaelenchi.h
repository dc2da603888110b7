#pragma once

#include "segnalazione.h"
#include "wordlists/wordlistreader.h"

#include <QList>
#include <QString>

namespace vocario {

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
