#include "exercises/catalogo.h"
#include "shell/navigazione.h"
#include "shell/opzioniriga.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    vocario::OpzioniRiga::registra(parser);
    parser.process(app);
    QStringList avvisi;
    const vocario::ScelteOpzioni scelte = vocario::OpzioniRiga::leggi(parser, &avvisi);
    for (const QString& avviso : std::as_const(avvisi))
        std::fprintf(stderr, "vocario: %s\n", qPrintable(avviso));
    return vocario::Navigazione::eseguiProgramma(vocario::catalogoEsercizi(), scelte);
}
