#include "fileregistro.h"

#include "ingressoregistro.h"

#include "schemaregistro.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace vocario::FileRegistro {
namespace {

// SQLite's codes for a file that is not, or no longer, a sound database.
bool danneggiato(const QSqlError& errore) {
    const QString codice = errore.nativeErrorCode();
    return codice == QLatin1String("11") || codice == QLatin1String("26");
}

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

// Keeps the damaged file beside the new one, under a name that tells when.
QString mettiDaParte(const QString& file) {
    const QString data = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    QString destinazione = file;
    destinazione.replace(QStringLiteral(".sqlite"),
                         QStringLiteral("-danneggiato-%1.sqlite").arg(data));
    if (!QFile::rename(file, destinazione))
        return {};
    for (const char* parte : {"-wal", "-shm"})
        QFile::rename(file + QLatin1String(parte), destinazione + QLatin1String(parte));
    return destinazione;
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
    QSqlDatabase db = connetti(file, connessione);
    Apertura apertura{.db = db};
    if (!db.open()) {
        apertura.errore = QStringLiteral("Il file del registro non si può aprire: %1 (%2)")
                              .arg(QDir::toNativeSeparators(file), db.lastError().text());
        return apertura;
    }
    std::optional<QSqlError> errore = prepara(db);
    if (errore && danneggiato(*errore) && modo == Modo::Completo) {
        db.close();
        apertura.messoDaParte = mettiDaParte(file);
        if (apertura.messoDaParte.isEmpty()) {
            apertura.errore = QStringLiteral("Il file del registro è danneggiato e non si può "
                                             "spostare: %1")
                                  .arg(QDir::toNativeSeparators(file));
            return apertura;
        }
        db.open();
        errore = prepara(db);
    }
    if (errore) {
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

void chiudi(const QString& connessione) {
    if (!QSqlDatabase::contains(connessione))
        return;
    QSqlDatabase::database(connessione, false).close();
    QSqlDatabase::removeDatabase(connessione);
}

} // namespace vocario::FileRegistro
