#pragma once

#include <optional>

namespace vocario {

/// The program's name for its data, whatever its file is called: the
/// teacher's lists are in the platform's data folder under this name.
inline constexpr char kNomeApplicazione[] = "vocario";

/// `vocario --verifica [CARTELLA]`: checks the word lists without opening a
/// window (no display needed) and prints the report. Without CARTELLA it
/// checks the lists the exercises read (the teacher's, then the program's);
/// with it, the seven lists of that folder. Returns the exit status, 0 when
/// every list can be used and 1 otherwise, or nothing when the command line
/// does not ask for the check.
std::optional<int> verificaDaRigaDiComando(int argc, char* argv[]);

} // namespace vocario
