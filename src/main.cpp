#include "exercises/catalogo.h"
#include "shell/navigazione.h"
#include "shell/rigadicomando.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    using namespace vocario;
    // --help and --version are answered before a display is needed.
    if (const std::optional<int> esito = RigaDiComando::rispostaImmediata(argc, argv))
        return *esito;
    QApplication app(argc, argv);
    if (const std::optional<int> esito = RigaDiComando::leggi(QCoreApplication::arguments()).esito)
        return *esito;
    QGuiApplication::setDesktopFileName(QStringLiteral("vocario"));
    return Navigazione::eseguiProgramma(catalogoEsercizi());
}
