#pragma once

#include "frame/exerciseentry.h"
#include "options/opzioni.h"

#include <QList>
#include <QString>
#include <optional>

namespace vocario {

/// `--scheda ESERCIZIO[,ESERCIZIO...] [--voci N] [--seme N] --pdf FILE` as
/// written: ESERCIZIO is an exercise's name in the catalogue (its menu
/// caption with hyphens for its blanks), or "tutti".
struct RigaScheda {
    QString esercizi;
    std::optional<QString> voci = {};
    std::optional<QString> seme = {};
    std::optional<QString> pdf = {};
    /// --classe: the lists the teacher gave that class of the register.
    std::optional<QString> classe = {};
};

/// The catalogue's rows that `nomi` (names separated by commas) asks for,
/// in the order given. A name is the catalogue's, the menu's caption in any
/// case with blanks or hyphens, a name the register once kept, or "tutti".
/// Nothing, with the first name not known in `sconosciuto`, when one is not.
std::optional<QList<int>> eserciziNominati(const QString& nomi, const Catalogo& catalogo,
                                           QString* sconosciuto = nullptr);

/// Writes the worksheet and its key into a PDF without opening a window (no
/// display needed; a QGuiApplication must exist). The lists are those the
/// exercises read, the letters and capitals those of the stored options with
/// `scelte` over them. Returns the exit status: 0 written; 1 an unknown
/// exercise or a list that cannot be used; 2 a wrong value on the line.
int schedaDaRigaDiComando(const RigaScheda& riga, const ScelteOpzioni& scelte,
                          const Catalogo& catalogo);

} // namespace vocario
