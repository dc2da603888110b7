// The program as it ships (the same start-up as src/main.cpp, its options
// and its class register included), with the probe that lets the play-through test read where
// things are on screen.

#include "app/navigazione.h"
#include "exercises/catalogo.h"
#include "options/opzioniriga.h"
#include "probeserver.h"
#include "registerview/registroprogramma.h"
#include "teacher/verificadariga.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCommandLineParser parser;
    vocario::OpzioniRiga::registra(parser);
    parser.process(app);
    // The shipped program's name: its register and settings in the same folders.
    QCoreApplication::setApplicationName(QString::fromLatin1(vocario::kNomeApplicazione));
    vocario::endurance::ProbeServer probe;
    vocario::RegistroProgramma registro;
    return vocario::Navigazione::eseguiProgramma(vocario::catalogoEsercizi(),
                                                 vocario::OpzioniRiga::leggi(parser), &registro);
}
