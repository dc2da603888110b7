#pragma once

#include "registerfile/classi.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <optional>

namespace vocario::ServerRegistro {

/// The school's server, as `postgresql://utente@host:porta/database`. The
/// password is never part of it: libpq reads it from the user's password
/// file (~/.pgpass, or the file PGPASSFILE names).
struct Indirizzo {
    QString host = {};
    int porta = 5432;
    QString database = {};
    QString utente = {};
};

/// Reads an address; nothing when it is not a PostgreSQL address, or when
/// it carries a password.
std::optional<Indirizzo> leggi(const QString& testo);

/// The server set for this run: `--registro` when given, else the user's
/// settings (the teacher's), else the system-wide file the technician
/// writes (/etc/xdg/vocario/vocario.conf, key registro/server). Empty when
/// none is set: the register stays on the PC.
QString impostato(const QString& daRiga);

/// The same server as the teacher's role sees it, for the teacher's view:
/// the user is vocario_insegnante, or the one the setting registro/insegnante
/// names; its password too is in the teacher's own ~/.pgpass.
Indirizzo perInsegnante(Indirizzo indirizzo);

/// Opens a connection named `connessione` (one per thread). Gives up after
/// a few seconds, also when the network goes mid-statement.
QSqlDatabase apri(const Indirizzo& indirizzo, const QString& connessione, QString* errore);

/// The owner's first set-up: the schema and the two roles (vocario_pc,
/// vocario_insegnante) with their rights. Harmless when run again.
std::optional<QString> prepara(QSqlDatabase& db);

/// The server's classes and pupils; nothing when it cannot be read.
std::optional<QList<Classe>> classi(QSqlDatabase& db);

} // namespace vocario::ServerRegistro
