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

/// A file of a folder of lists that no exercise reads, and why.
struct FileIgnorato {
    /// Index of its folder.
    int cartella = 0;
    QString file;
    /// "ha l'estensione .csv: …", a phrase that follows the file's name.
    QString motivo;
};

/// Everything the checker found in the seven lists.
struct RapportoElenchi {
    QList<ElencoLetto> elenchi;
    /// The files beside the lists (in every folder but the program's own)
    /// that the exercises never read: a list saved under another name.
    QList<FileIgnorato> ignorati;
    /// Most serious first, then in the order of the lists and of the lines.
    QList<Segnalazione> segnalazioni;

    /// True when every exercise can open its lists.
    bool tuttiUtilizzabili() const;
};

/// Reads the seven lists from `cartelle` exactly as the exercises do (a file
/// from the first folder that has it) and checks them.
RapportoElenchi verificaElenchi(const QList<WordListFolder>& cartelle);

} // namespace vocario
