#pragma once

#include "frame/exerciseentry.h"
#include "options/opzioni.h"
#include "registerview/registroprogramma.h"
#include "sheets/schedadariga.h"

#include <QString>
#include <optional>

class QWidget;

namespace vocario {

struct AppState;

/// The teacher's side that needs Qt SQL and Qt Print Support: the class
/// register and the printed worksheets. They are built as a module of their
/// own, vocario_insegnante, loaded at the first use, so that a program with
/// no class set up and no sheet asked for never loads either library.
namespace ModuloInsegnante {

/// What the module offers: see register/registroprogramma.h,
/// sheets/schedadariga.h and sheets/dialogoschede.h.
struct Voci {
    RegistroClasse* (*creaRegistro)(const QString& alunno, const QString& server);
    std::optional<int> (*compitiDelRegistro)(const CompitiRegistro& compiti, int argc,
                                             char* argv[]);
    int (*schedaDaRigaDiComando)(const RigaScheda& riga, const ScelteOpzioni& scelte,
                                 const Catalogo& catalogo);
    void (*mostraSchedeDaStampare)(AppState& stato, const Catalogo& catalogo, QWidget* parent);
};

using EntryPoint = const Voci* (*)();
inline constexpr char kFileName[] = "vocario_insegnante.so";
inline constexpr char kEntryPoint[] = "vocario_insegnante";

/// The module's entries, loaded at the first call; null when it is missing,
/// with why in Italian in `motivo`.
const Voci* carica(QString* motivo);
/// Puts `voci` in place of the module: for a program that carries the
/// teacher's side itself, as the tests do.
void impostaVoci(const Voci* voci);

/// The register's tasks, answered without loading the module when the
/// command line asks none.
std::optional<int> compitiDelRegistro(const CompitiRegistro& compiti, int argc, char* argv[]);
/// The worksheet the command line asks for (1 when the module is missing).
int schedaDaRigaDiComando(const RigaScheda& riga, const ScelteOpzioni& scelte,
                          const Catalogo& catalogo);
/// "Schede da stampare" over `parent`, or a message when the module is missing.
void mostraSchedeDaStampare(AppState& stato, const Catalogo& catalogo, QWidget* parent);

} // namespace ModuloInsegnante
} // namespace vocario
