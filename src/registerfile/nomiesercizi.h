#pragma once

#include <QString>

/// The names the register once kept for an exercise, without Qt SQL: the
/// worksheets' command line knows them too.
namespace vocario::NomiEsercizi {

/// The catalogue's name of `esercizio`: an old name becomes the new one,
/// any other name stays as it is. Answers and openings pass through it as
/// they are written, so that a journal made before a rename lands under the
/// new name.
QString attuale(const QString& esercizio);

} // namespace vocario::NomiEsercizi
