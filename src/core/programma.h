#pragma once

#include <QString>

namespace vocario {

/// What the program tells about itself: in the information box, in the
/// answers to --help and --version.
struct Programma {
    QString nome;
    QString versione;
    /// One line, in Italian.
    QString descrizione;
    QString licenza;
    /// Empty when the build does not name them: nothing is made up.
    QString autore;
    QString web;
    QString mail;
};

/// This build of the program.
const Programma& questoProgramma();

} // namespace vocario
