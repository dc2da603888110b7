#include "exercises/catalogo.h"
#include "shell/navigazione.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    return vocario::Navigazione::eseguiProgramma(vocario::catalogoEsercizi());
}
