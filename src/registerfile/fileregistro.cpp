#include "fileregistro.h"

#include "ingressoregistro.h"

#include "schemaregistro.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

#include <sqlite3.h>

namespace vocario::FileRegistro {
namespace {

std::optional<QSqlError> prepara(QSqlDatabase& db) {
    QSqlQuery query(db);
    // A locked file waits a little, then the write is tried again later.
    for (const char* istruzione :
         {"PRAGMA busy_timeout = 250", "PRAGMA journal_mode = WAL", "PRAGMA foreign_keys = ON",
          "PRAGMA secure_delete = ON", "PRAGMA synchronous = NORMAL",
          "SELECT count(*) FROM sqlite_master"}) {
        if (!query.exec(QLatin1String(istruzione)))
            return query.lastError();
    }
    return std::nullopt;
}

// A file made writable again comes with SQLite's two side files, which
// would keep it read-only for one more session: they follow it.
void mendaFileAccanto(const QString& file) {
    const QFileInfo registro(file);
    if (!registro.isWritable())
        return;
    for (const char* accanto : {"-wal", "-shm"}) {
        const QFileInfo lato(file + QLatin1String(accanto));
        if (lato.exists() && !lato.isWritable() && lato.ownerId() == registro.ownerId())
            QFile::setPermissions(lato.filePath(), registro.permissions());
    }
}

QSqlDatabase connetti(const QString& file, const QString& connessione) {
    QSqlDatabase db = QSqlDatabase::contains(connessione)
                          ? QSqlDatabase::database(connessione, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connessione);
    db.setDatabaseName(file);
    return db;
}

} // namespace

QString percorso(const QString& cartella) {
    return IngressoRegistro::file(cartella);
}

Apertura apri(const QString& cartella, const QString& connessione, Modo modo) {
    const QString file = percorso(cartella);
    if (modo == Modo::SoloEsistente && !QFileInfo::exists(file))
        return {.errore = QStringLiteral("Il file del registro non c'è: %1").arg(file)};
    if (modo == Modo::Completo && !QDir().mkpath(cartella))
        return {.errore = QStringLiteral("La cartella del registro non si può creare: %1")
                              .arg(QDir::toNativeSeparators(cartella))};
    mendaFileAccanto(file);
    QSqlDatabase db = connetti(file, connessione);
    Apertura apertura{.db = db};
    if (!db.open()) {
        apertura.errore = QStringLiteral("Il file del registro non si può aprire: %1 (%2)")
                              .arg(QDir::toNativeSeparators(file), db.lastError().text());
        return apertura;
    }
    const std::optional<QSqlError> errore = prepara(db);
    if (errore) {
        apertura.danneggiato = danneggiato(*errore);
        apertura.errore = QStringLiteral("Il file del registro non si può usare: %1 (%2)")
                              .arg(QDir::toNativeSeparators(file), errore->text());
        return apertura;
    }
    if (modo == Modo::Completo)
        apertura.errore = SchemaRegistro::aggiorna(db);
    else if (SchemaRegistro::versione(db) != SchemaRegistro::versioneAttuale())
        apertura.errore = QStringLiteral("Il registro non è della versione di questo programma.");
    return apertura;
}

bool danneggiato(const QSqlError& errore) {
    // The primary codes, also when an extended one is given (SQLITE_CORRUPT_*).
    const int codice = errore.nativeErrorCode().toInt();
    return (codice & 0xff) == 11 || (codice & 0xff) == 26;
}

void chiudiStaccato(const QString& connessione) {
    if (!QSqlDatabase::contains(connessione))
        return;
    QSqlDatabase db = QSqlDatabase::database(connessione, false);
    const QVariant maniglia = db.isOpen() ? db.driver()->handle() : QVariant();
    if (maniglia.isValid() && qstrcmp(maniglia.typeName(), "sqlite3*") == 0)
        if (sqlite3* sqlite = *static_cast<sqlite3* const*>(maniglia.constData())) {
            int tieni = 1;
            sqlite3_file_control(sqlite, "main", SQLITE_FCNTL_PERSIST_WAL, &tieni);
        }
    chiudi(connessione);
}

void chiudi(const QString& connessione) {
    if (!QSqlDatabase::contains(connessione))
        return;
    QSqlDatabase::database(connessione, false).close();
    QSqlDatabase::removeDatabase(connessione);
}

} // namespace vocario::FileRegistro
