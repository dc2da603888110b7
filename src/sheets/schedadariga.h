#pragma once

#include "frame/exerciseentry.h"
#include "options/opzioni.h"

#include <QString>
#include <optional>

namespace vocario {

/// `--scheda ESERCIZIO[,ESERCIZIO...] [--voci N] [--seme N] --pdf FILE` as
/// written: ESERCIZIO is a caption of the menu with hyphens for its blanks,
/// or "tutti".
struct RigaScheda {
    QString esercizi;
    std::optional<QString> voci = {};
    std::optional<QString> seme = {};
    std::optional<QString> pdf = {};
};

/// Writes the worksheet and its key into a PDF without opening a window (no
/// display needed; a QGuiApplication must exist). The lists are those the
/// exercises read, the letters and capitals those of the stored options with
/// `scelte` over them. Returns the exit status: 0 written; 1 an unknown
/// exercise or a list that cannot be used; 2 a wrong value on the line.
int schedaDaRigaDiComando(const RigaScheda& riga, const ScelteOpzioni& scelte,
                          const Catalogo& catalogo);

} // namespace vocario
