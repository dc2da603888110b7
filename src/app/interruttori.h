#pragma once

#include <QStringList>
#include <vector>

class QCommandLineParser;

namespace vocario {

/// The one table of the command line's switches: every switch the program
/// takes, by concern, in the order --help lists them; the options' switches
/// come from the table of options.
namespace Interruttori {

/// What a switch belongs to.
enum class Ambito {
    Risposta, ///< --help, --version
    Verifica, ///< the check of the lists
    Scheda,   ///< a worksheet into a PDF
    Gioco,    ///< who plays, where the register is
    Registro, ///< the register's tasks, done without a window
    Opzioni,  ///< the pupil's options for this run
};

struct Interruttore {
    /// One letter is written "-h", a word "--help".
    QStringList nomi;
    QString aiuto;
    /// The name of the value the switch takes; empty for a plain switch.
    QString valore = {};
    Ambito ambito = Ambito::Risposta;
};

/// Every switch, in the order of --help.
const std::vector<Interruttore>& tutti();
/// The row of the switch `nome`; null for a name that is none.
const Interruttore* di(const QString& nome);

/// Teaches `parser` every switch; with `anchePerQt`, also Qt's own, which
/// the application takes off the command line once it is made.
void prepara(QCommandLineParser& parser, bool anchePerQt);

/// `nome` as it is written: "-h", "--dimensione".
QString scritto(const QString& nome);

/// What --help prints.
QString aiuto();

} // namespace Interruttori
} // namespace vocario
