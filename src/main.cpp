#include "exercises/catalogo.h"
#include "shell/navigazione.h"
#include "shell/verificadariga.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // Checking the word lists opens no window: it runs before the display is needed.
    if (const std::optional<int> esito = vocario::verificaDaRigaDiComando(argc, argv))
        return *esito;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(vocario::kNomeApplicazione));
    return vocario::Navigazione::eseguiProgramma(vocario::catalogoEsercizi());
}
