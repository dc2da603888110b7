#pragma once

#include "options/opzioni.h"

#include <QStringList>
#include <optional>

namespace vocario {

/// The command line, read against the one table of options in
/// rigadicomando.cpp: the help in Italian, the version, mistakes told in
/// Italian on the standard error.
namespace RigaDiComando {

/// What the command line asks of this run.
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

/// The class register's tasks that end the run, done without a display.
struct CompitiRegistro {
    /// --importa-classi FILE
    QString importaClassi;
    /// --azzera-password
    bool azzeraPassword = false;
    /// --registro-prepara ADDRESS
    QString prepara = {};
    /// --registro ADDRESS, checked before the display is needed
    QString registro = {};
};

/// Answers --help and --version, and refuses a mistake in the program's own
/// options, before the application connects to a display, so that they work
/// without one; nothing otherwise.
std::optional<int> rispostaImmediata(int argc, char* argv[]);

/// The register's tasks the command line asks for, read like rispostaImmediata.
CompitiRegistro compitiRegistro(int argc, char* argv[]);

/// Reads the arguments the application leaves once it has taken its own
/// (-platform, -style, ...).
Richiesta leggi(const QStringList& argomenti);

/// What --help prints.
QString aiuto();

} // namespace RigaDiComando
} // namespace vocario
