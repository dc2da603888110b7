#pragma once

#include <QDateTime>
#include <QString>
#include <QTextStream>
#include <functional>

namespace vocario {

class Registro;

/// `vocario --azzera-password`: the teacher's password removed only with its
/// recovery key; a password of an earlier version, which has none, only
/// with --conferma and a warning. The classes and answers always stay.
namespace AzzeraPassword {

struct Richiesta {
    /// --chiave-di-recupero; empty: it is asked for on the standard input.
    QString chiave = {};
    /// --conferma: enough only for a password that has no recovery key.
    bool conferma = false;
};

struct Canali {
    QTextStream& uscita;
    QTextStream& errori;
    /// The next line of the standard input; empty at its end.
    std::function<QString()> leggiRiga;
};

/// 0 the password removed (or none to remove), 1 refused with every
/// setting kept, 2 a key on the command line that cannot be one.
int esegui(Registro& registro, const Richiesta& richiesta, const Canali& canali,
           const QDateTime& adesso);

} // namespace AzzeraPassword
} // namespace vocario
