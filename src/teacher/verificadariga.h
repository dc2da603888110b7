#pragma once

#include <QString>

namespace vocario {

/// The program's name for its data, whatever its file is called: the
/// teacher's lists are in the platform's data folder under this name.
inline constexpr char kNomeApplicazione[] = "vocario";

/// `vocario --verifica [CARTELLA]`: checks the word lists without opening a
/// window (no display needed) and prints the report. With an empty
/// `cartella` it checks the lists the exercises read (the teacher's, then
/// the program's); with one, the seven lists of that folder. Returns the
/// exit status, 0 when every list can be used and 1 otherwise.
int verificaElenchiDaRiga(const QString& cartella);

} // namespace vocario
