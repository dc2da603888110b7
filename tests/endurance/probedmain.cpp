// The program as it ships (the same start-up as src/main.cpp), with the
// probe that lets the play-through test read where things are on screen.

#include "exercises/catalogo.h"
#include "probeserver.h"
#include "shell/navigazione.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    vocario::endurance::ProbeServer probe;
    return vocario::Navigazione::eseguiProgramma(vocario::catalogoEsercizi());
}
