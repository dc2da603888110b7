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

/// Where the word lists are: the teacher's own folder first, whose lists take
/// the place of the program's of the same name, then the program's `testi`.
namespace CartelleElenchi {

/// The teacher's folder: the platform's place for the program's data
/// (`~/.local/share/vocario/testi` on Linux), unless the state names another.
QString insegnante(const AppState& stato);
/// The program's own lists.
QString programma(const AppState& stato);

/// Both folders, the teacher's first, for the reader.
QList<WordListFolder> perLaLettura(const AppState& stato);
/// The reader every exercise reads its lists with.
WordListReader lettoreElenchi(const AppState& stato);
/// Both folders as the checker's report names them.
QList<CartellaElenchi> perIlRapporto(const AppState& stato);

} // namespace CartelleElenchi
} // namespace vocario
