#include "schemaregistro.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <vector>

namespace vocario::SchemaRegistro {
namespace {

// One step per version: step k brings a file from version k-1 to k. A step
// once released is never changed; a change of the schema is a new step.
const std::vector<QStringList>& passi() {
    static const std::vector<QStringList> tutti = {
        // 1: classes, pupils by first name or nickname, play sessions, the
        // exercises opened, and one row per answer. Every row a PC makes has
        // an id made on the PC, so that it can be sent on and never doubled.
        {
            "CREATE TABLE classi (id INTEGER PRIMARY KEY, nome TEXT NOT NULL UNIQUE)",
            "CREATE TABLE alunni (id INTEGER PRIMARY KEY,"
            " classe INTEGER NOT NULL REFERENCES classi(id) ON DELETE CASCADE,"
            " nome TEXT NOT NULL, UNIQUE (classe, nome))",
            "CREATE TABLE sessioni (id BLOB PRIMARY KEY,"
            " alunno INTEGER NOT NULL REFERENCES alunni(id) ON DELETE CASCADE,"
            " inizio INTEGER NOT NULL, fine INTEGER)",
            "CREATE TABLE aperture (id BLOB PRIMARY KEY,"
            " sessione BLOB NOT NULL REFERENCES sessioni(id) ON DELETE CASCADE,"
            " esercizio TEXT NOT NULL, inizio INTEGER NOT NULL, fine INTEGER)",
            // Each item once, as its texts: an answer names it by number,
            // which keeps a school year of answers small.
            // elenco: 'programma' or 'insegnante'.
            "CREATE TABLE voci (id INTEGER PRIMARY KEY, esercizio TEXT NOT NULL,"
            " testo TEXT NOT NULL, elenco TEXT NOT NULL, UNIQUE (esercizio, testo, elenco))",
            // quando: milliseconds since 1970 (UTC).
            "CREATE TABLE risposte (id BLOB PRIMARY KEY, quando INTEGER NOT NULL,"
            " alunno INTEGER NOT NULL REFERENCES alunni(id) ON DELETE CASCADE,"
            " sessione BLOB, voce INTEGER NOT NULL REFERENCES voci(id), dato TEXT NOT NULL,"
            " esatta INTEGER NOT NULL, secondi REAL NOT NULL)",
        },
        // 2: the teacher's settings (the password's hash, notices); the
        // indexes the teacher's view reads by (the class's items, a pupil's
        // items in time), both covering their queries; the answers with
        // their items' texts, for the view and for a look with sqlite3.
        {
            "CREATE TABLE impostazioni (chiave TEXT PRIMARY KEY, valore TEXT NOT NULL)",
            "CREATE INDEX risposte_per_voce ON risposte (voce, alunno, esatta, quando)",
            "CREATE INDEX risposte_per_alunno ON risposte (alunno, voce, quando, esatta)",
            "CREATE INDEX alunni_per_classe ON alunni (classe)",
            "CREATE VIEW risposte_con_voci AS SELECT r.id, r.quando, r.alunno, r.sessione,"
            " v.esercizio, v.testo AS voce, v.elenco, r.dato, r.esatta, r.secondi"
            " FROM risposte r JOIN voci v ON v.id = r.voce",
        },
        // 3: with a school's server set, the PC keeps what waits to be sent
        // (each operation as a journal line), in the order it was made.
        {
            "CREATE TABLE in_uscita (n INTEGER PRIMARY KEY, riga BLOB NOT NULL)",
        },
    };
    return tutti;
}

QString motivo(const QSqlError& errore) {
    return QStringLiteral("Il registro non si può aggiornare (%1).").arg(errore.text());
}

} // namespace

int versioneAttuale() {
    return int(passi().size());
}

int versione(QSqlDatabase& db) {
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return -1;
    return query.value(0).toInt();
}

std::optional<QString> aggiorna(QSqlDatabase& db, int finoA) {
    const int attuale = versione(db);
    if (attuale < 0)
        return QStringLiteral("Il file del registro non si può leggere (%1).")
            .arg(db.lastError().text());
    if (attuale > versioneAttuale())
        return QStringLiteral("Il registro è stato scritto da una versione più recente di "
                              "Vocario (versione %1 del registro; questo programma conosce "
                              "fino alla %2). Aggiornare Vocario per aprirlo: il file resta "
                              "com'è.")
            .arg(attuale)
            .arg(versioneAttuale());
    for (int k = attuale + 1; k <= finoA; ++k) {
        if (!db.transaction())
            return motivo(db.lastError());
        QSqlQuery query(db);
        for (const QString& istruzione : passi()[size_t(k - 1)]) {
            if (!query.exec(istruzione)) {
                const QSqlError errore = query.lastError();
                db.rollback();
                return motivo(errore);
            }
        }
        if (!query.exec(QStringLiteral("PRAGMA user_version = %1").arg(k)) || !db.commit()) {
            const QSqlError errore = query.lastError();
            db.rollback();
            return motivo(errore);
        }
    }
    return std::nullopt;
}

} // namespace vocario::SchemaRegistro
