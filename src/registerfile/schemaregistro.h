#pragma once

#include <QSqlDatabase>
#include <QString>
#include <optional>

namespace vocario::SchemaRegistro {

/// The two places a register lives: the PC's SQLite file and the school's
/// PostgreSQL server. Each has its own numbered steps (schemaregistro.cpp).
enum class Motore { File, Server };

/// The version this program writes on `motore`.
int versioneAttuale(Motore motore = Motore::File);

/// The version written in the store (PRAGMA user_version in the file, the
/// table vocario_schema on the server; 0 for a new one, -1 when unreadable).
int versione(QSqlDatabase& db);

/// Brings the store of `db` (either engine) up to `finoA` (this program's
/// version unless given), one numbered step at a time, each in its own
/// transaction. A store newer than this program is left as it is. Returns
/// the reason, in Italian, when it cannot be used.
std::optional<QString> aggiorna(QSqlDatabase& db, int finoA = -1);

} // namespace vocario::SchemaRegistro
