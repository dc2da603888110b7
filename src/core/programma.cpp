#include "programma.h"

#include "datiprogramma.h"

namespace vocario {

const Programma& questoProgramma() {
    static const Programma programma{
        .nome = QStringLiteral("Vocario"),
        .versione = QString::fromUtf8(DatiProgramma::kVersione),
        .descrizione = QStringLiteral("Esercizi di lessico italiano per la scuola: contrari, "
                                      "sinonimi, gradi e modi di dire."),
        .licenza = QStringLiteral("GNU General Public License, versione 3 o successiva"),
        .autore = QString::fromUtf8(DatiProgramma::kAutore).trimmed(),
        .web = QString::fromUtf8(DatiProgramma::kWeb).trimmed(),
        .mail = QString::fromUtf8(DatiProgramma::kMail).trimmed(),
    };
    return programma;
}

} // namespace vocario
