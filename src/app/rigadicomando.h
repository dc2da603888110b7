#pragma once

#include "exercises/catalogo.h"
#include "options/opzioni.h"
#include "registerview/registroprogramma.h"
#include "sheets/schedadariga.h"

#include <QStringList>
#include <memory>
#include <optional>

class QCommandLineParser;

namespace vocario {

/// The command line, read by one parser against the one table of switches
/// (interruttori.cpp): the help in Italian, the version, mistakes told in
/// Italian on the standard error with exit status 2.
namespace RigaDiComando {

/// What the command line asks of a run that opens the windows.
struct Richiesta {
    /// Set when the run ends here (help, version, a mistake): its exit code.
    std::optional<int> esito = {};
    /// The options given for this run (size, reading aloud, letters).
    ScelteOpzioni scelte = {};
    /// The pupil who plays (--alunno), empty when "Chi gioca?" asks.
    QString alunno = {};
    /// The school's server for this run (--registro), empty for the settings'.
    QString registro = {};
};

/// The command line as the program is started with it, read once before
/// the application connects to a display, so that every answer that needs
/// none (the check of the lists, help, version, mistakes, a worksheet, the
/// register's tasks) is given without one. Qt's own options pass.
class Lettura {
  public:
    Lettura(int argc, char* argv[]);
    ~Lettura();

    /// --help and --version answered, or the first mistake in the
    /// program's own switches told: the exit status.
    std::optional<int> rispostaImmediata() const;
    /// The folder after --verifica (empty for the lists the exercises
    /// read); nothing when the check is not asked for.
    std::optional<QString> verifica() const;
    /// --scheda and its switches; nothing when no worksheet is asked for.
    std::optional<RigaScheda> scheda() const;
    /// A mistake when a switch of another task comes with --scheda.
    std::optional<int> soloPerLaScheda() const;
    CompitiRegistro compitiRegistro() const;

  private:
    QStringList argomenti_;
    std::unique_ptr<QCommandLineParser> parser_;
    bool letta_ = false;
};

/// Everything the command line asks that needs no display, done in order:
/// the check of the lists, help, version and mistakes, a worksheet. The exit
/// status, or nothing for a run that goes on.
std::optional<int> rispondiSenzaDisplay(const Lettura& riga, int argc, char* argv[],
                                        const Catalogo& catalogo);

/// Answers --help and --version, and refuses a mistake in the program's own
/// switches, before the application connects to a display; nothing
/// otherwise.
std::optional<int> rispostaImmediata(int argc, char* argv[]);

/// Reads the arguments the application leaves once it has taken its own
/// (-platform, -style, ...): what only Qt might have taken is judged now.
Richiesta leggi(const QStringList& argomenti);

/// What --help prints: every switch of the table.
QString aiuto();

} // namespace RigaDiComando
} // namespace vocario
