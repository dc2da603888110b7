#include "app/moduloinsegnante.h"
#include "app/navigazione.h"
#include "app/registrosurichiesta.h"
#include "app/rigadicomando.h"
#include "exercises/catalogo.h"
#include "teacher/verificadariga.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    using namespace vocario;
    // Read once, before a display is needed: --verifica, --help, --version,
    // mistakes, --scheda and the register's tasks are answered without one.
    const RigaDiComando::Lettura riga(argc, argv);
    if (const std::optional<int> esito =
            RigaDiComando::rispondiSenzaDisplay(riga, argc, argv, catalogoEsercizi()))
        return *esito;
    if (const std::optional<int> esito =
            ModuloInsegnante::compitiDelRegistro(riga.compitiRegistro(), argc, argv))
        return *esito;
    QApplication app(argc, argv);
    const RigaDiComando::Richiesta richiesta = RigaDiComando::leggi(QCoreApplication::arguments());
    if (richiesta.esito)
        return *richiesta.esito;
    QCoreApplication::setApplicationName(QString::fromLatin1(kNomeApplicazione));
    QGuiApplication::setDesktopFileName(QStringLiteral("vocario"));
    RegistroSuRichiesta registro(richiesta.alunno, richiesta.registro);
    return Navigazione::eseguiProgramma(catalogoEsercizi(), richiesta.scelte, &registro);
}
