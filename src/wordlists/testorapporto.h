#pragma once

#include "verificaelenchi.h"

#include <QString>
#include <QStringList>

namespace vocario {

/// A folder of lists as the report names it.
struct CartellaElenchi {
    QString nome; ///< "elenchi dell'insegnante"
    QString percorso;
};

/// The checker's findings as plain Italian text, the same in the program's
/// window and on the command line: the folders read, the seven lists, then
/// the findings, most serious first, and the outcome.
QString testoRapporto(const RapportoElenchi& rapporto, const QList<CartellaElenchi>& cartelle);

} // namespace vocario
