#pragma once

#include <QSqlDatabase>
#include <QString>
#include <optional>

namespace vocario::FileRegistro {

/// The register's file in `cartella`.
QString percorso(const QString& cartella);

/// A connection to the register, ready for use or with the reason it is not.
struct Apertura {
    QSqlDatabase db = {};
    /// Why the register cannot be used, in Italian; empty when it can.
    std::optional<QString> errore = {};
    /// The file is not, or no longer, a sound database: set it aside
    /// (FileDanneggiato) rather than wait for it to mend.
    bool danneggiato = false;
};

/// How far an opening may go to make the register usable.
enum class Modo {
    /// Creates the folder and the file and brings the schema up to date: the
    /// teacher's side, on the window's thread.
    Completo,
    /// Uses the file as it is: the writer, which must never start a file of
    /// its own in a folder that has gone.
    SoloEsistente,
};

/// Opens the register of `cartella` on the connection named `connessione`
/// (one per thread), with its write-ahead log and its foreign keys on.
Apertura apri(const QString& cartella, const QString& connessione, Modo modo = Modo::Completo);

/// Closes and forgets the connection named `connessione`.
void chiudi(const QString& connessione);

/// The same for a connection whose file is no longer the one at its path
/// (deleted, replaced, set aside): SQLite would otherwise fold its log into
/// it and remove the log by name, which may by then be the new file's.
void chiudiStaccato(const QString& connessione);

/// True when SQLite says that the file is damaged (SQLITE_CORRUPT,
/// SQLITE_NOTADB), whenever it finds out: at the opening, reading, writing.
bool danneggiato(const QSqlError& errore);

} // namespace vocario::FileRegistro
