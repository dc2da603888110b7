#pragma once

#include <QSqlDatabase>
#include <QString>
#include <optional>

namespace vocario::SchemaRegistro {

/// The version of the register file this program writes.
int versioneAttuale();

/// The version written in the file (PRAGMA user_version; 0 for a new file).
int versione(QSqlDatabase& db);

/// Brings the file up to `finoA` (this program's version unless given), one
/// numbered step at a time, each in its own transaction. A file newer than
/// this program is left as it is. Returns the reason, in Italian, when the
/// file cannot be used.
std::optional<QString> aggiorna(QSqlDatabase& db, int finoA = versioneAttuale());

} // namespace vocario::SchemaRegistro
