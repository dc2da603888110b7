#pragma once

#include "wordlists/wordlistreader.h"

#include <QList>
#include <QString>

namespace vocario {

struct AppState;

/// A folder of lists as the checker's report names it.
struct CartellaElenchi {
    QString nome; ///< "elenchi dell'insegnante"
    QString percorso;
};

/// Where the word lists are: the lists the teacher gave the playing pupil's
/// class, then the teacher's own folder, whose lists take the place of the
/// program's of the same name, then the program's `testi`.
namespace CartelleElenchi {

/// The teacher's folder: the platform's place for the program's data
/// (`~/.local/share/vocario/testi` on Linux), unless the state names another.
QString insegnante(const AppState& stato);
/// The program's own lists.
QString programma(const AppState& stato);

/// The lists of the playing pupil's class, when the teacher gave it some;
/// empty otherwise (a guest, no class).
QString classe(const AppState& stato);

/// The folders, the class's first, then the teacher's, for the reader.
QList<WordListFolder> perLaLettura(const AppState& stato);
/// The reader every exercise reads its lists with.
WordListReader lettoreElenchi(const AppState& stato);
/// Both folders as the checker's report names them.
QList<CartellaElenchi> perIlRapporto(const AppState& stato);

} // namespace CartelleElenchi
} // namespace vocario
