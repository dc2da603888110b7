// The program as it ships (the same start-up as src/main.cpp), with the
// probe that lets the play-through test read where things are on screen.

#include "exercises/catalogo.h"
#include "probeserver.h"
#include "shell/navigazione.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    vocario::endurance::ProbeServer probe;
    vocario::Navigazione::impostaEsercizi(vocario::catalogoEsercizi());
    vocario::Navigazione::Main();
    const int result = QApplication::exec();
    for (QWidget* window : QApplication::topLevelWidgets())
        if (!window->parentWidget())
            delete window;
    return result;
}
