#pragma once

#include <QString>

class QPrinter;

namespace vocario {

struct Scheda;

/// Writes `scheda` and its key into the PDF `file`; an Italian message when
/// the file cannot be written, empty otherwise.
QString salvaPdf(Scheda& scheda, const QString& file);

/// Prints `scheda` and its key on `printer` (as the print dialog left it);
/// an Italian message when it cannot, empty otherwise.
QString stampa(Scheda& scheda, QPrinter& printer);

} // namespace vocario
