#pragma once

#include "frame/exerciseentry.h"

#include <QString>
#include <optional>

class QWidget;

namespace vocario {

struct AppState;
class RegistroClasse;
namespace RigaDiComando {
struct CompitiRegistro;
}

/// The teacher's side that needs Qt SQL and Qt Print Support: the class
/// register and the printed worksheets. They are built as a module of their
/// own, vocario_insegnante, loaded at the first use, so that a program with
/// no class set up and no sheet asked for never loads either library.
namespace ModuloInsegnante {

/// What the module offers: see register/registroprogramma.h,
/// sheets/schedadariga.h and sheets/dialogoschede.h.
struct Voci {
    RegistroClasse* (*creaRegistro)(const QString& alunno, const QString& server);
    std::optional<int> (*compitiDelRegistro)(const RigaDiComando::CompitiRegistro& compiti,
                                             int argc, char* argv[]);
    std::optional<int> (*schedaDaRigaDiComando)(int argc, char* argv[], const Catalogo& catalogo);
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

/// The same, answered without loading the module when the command line asks
/// nothing of it.
std::optional<int> compitiDelRegistro(const RigaDiComando::CompitiRegistro& compiti, int argc,
                                      char* argv[]);
std::optional<int> schedaDaRigaDiComando(int argc, char* argv[], const Catalogo& catalogo);
/// "Schede da stampare" over `parent`, or a message when the module is missing.
void mostraSchedeDaStampare(AppState& stato, const Catalogo& catalogo, QWidget* parent);

} // namespace ModuloInsegnante
} // namespace vocario
