#include "app/moduloinsegnante.h"
#include "app/navigazione.h"
#include "app/registrosurichiesta.h"
#include "app/rigadicomando.h"
#include "exercises/catalogo.h"
#include "teacher/verificadariga.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    using namespace vocario;
    // --verifica, --scheda, --help and --version are answered before a display is needed.
    if (const std::optional<int> esito = verificaDaRigaDiComando(argc, argv))
        return *esito;
    if (const std::optional<int> esito = RigaDiComando::rispostaImmediata(argc, argv))
        return *esito;
    if (const std::optional<int> esito =
            ModuloInsegnante::schedaDaRigaDiComando(argc, argv, catalogoEsercizi()))
        return *esito;
    if (const std::optional<int> esito = ModuloInsegnante::compitiDelRegistro(
            RigaDiComando::compitiRegistro(argc, argv), argc, argv))
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
