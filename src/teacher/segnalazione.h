#pragma once

#include <QString>

namespace vocario {

/// How much a finding matters, most serious first.
enum class Gravita {
    Errore,       ///< the exercise refuses the list
    DaCorreggere, ///< the exercise opens, but the list misleads the pupil
    Consiglio,    ///< read right; worth tidying
};

/// One finding of the checker.
struct Segnalazione {
    Gravita gravita;
    QString file;  ///< "contrari.txt"
    int riga = 0;  ///< 0 when it concerns the whole file
    QString testo; ///< a whole Italian sentence that names the file and the line
};

} // namespace vocario
