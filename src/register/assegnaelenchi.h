#pragma once

#include "elenchiclasse.h"

namespace vocario {

struct AppState;
class Registro;

/// The teacher's side of a class's lists: giving them, taking them back,
/// and the worksheets made from them.
namespace ElenchiClasse {

struct Esito {
    bool ok = false;
    /// Italian: what was done, or why nothing was (the checker's report).
    QString messaggio;
};

/// Gives class `classe` the lists of `cartella` that the exercises read,
/// once the checker has read them as the exercises will (with the lists of
/// `programma` for those the folder lacks). A folder with an error in one
/// of its lists gives none, and says why.
Esito daiDaCartella(Registro& registro, qint64 classe, const QString& cartella,
                    const QString& programma);
/// The class goes back to the program's lists (and the PC's teacher's
/// folder): all of them, or `file` alone.
Esito tornaAlProgramma(Registro& registro, qint64 classe, const QString& file = {});

/// A worksheet for class `classe` (its name): the class's lists written
/// into a folder, from the register the program would open (the school's
/// server, as the teacher's role, when one is set). No folder when the
/// class has no lists of its own; the reason, in Italian, when the class
/// cannot be found.
struct PerLaScheda {
    QString cartella = {};
    QString errore = {};
};
PerLaScheda perLaScheda(const AppState& stato, const QString& classe);
/// The classes a worksheet may be made for: none when no register is set
/// up on this PC (none is made for asking).
QStringList classiDelRegistro(const AppState& stato);

} // namespace ElenchiClasse
} // namespace vocario
