#pragma once

#include "frame/exerciseentry.h"

#include <optional>

namespace vocario {

/// `vocario --scheda ESERCIZIO[,ESERCIZIO...] [--voci N] [--seme N] --pdf FILE`:
/// writes a worksheet and its key into a PDF without opening a window (no
/// display needed). ESERCIZIO is a caption of the menu with hyphens for its
/// blanks, or "tutti". The lists are those the exercises read, the letters
/// and capitals those of the stored options or of this command line. Returns
/// the exit status (0 written; 1 an unknown exercise or a list that cannot be
/// used; 2 a wrong command line), or nothing when no worksheet is asked for.
std::optional<int> schedaDaRigaDiComando(int argc, char* argv[], const Catalogo& catalogo);

} // namespace vocario
