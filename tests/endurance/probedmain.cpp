// The program as it ships (the same start-up as src/main.cpp, its options
// included), with the probe that lets the play-through test read where
// things are on screen.

#include "app/navigazione.h"
#include "exercises/catalogo.h"
#include "options/opzioniriga.h"
#include "probeserver.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCommandLineParser parser;
    vocario::OpzioniRiga::registra(parser);
    parser.process(app);
    vocario::endurance::ProbeServer probe;
    return vocario::Navigazione::eseguiProgramma(vocario::catalogoEsercizi(),
                                                 vocario::OpzioniRiga::leggi(parser));
}
