#pragma once

#include "core/cartelleelenchi.h"
#include "verificaelenchi.h"

#include <QString>
#include <QStringList>

namespace vocario {

/// The checker's findings as plain Italian text, the same in the program's
/// window and on the command line: the folders read, the seven lists, then
/// the findings, most serious first, and the outcome.
QString testoRapporto(const RapportoElenchi& rapporto, const QList<CartellaElenchi>& cartelle);

} // namespace vocario
