#include "serverregistro.h"

#include "ingressoregistro.h"

#include <QSettings>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QUrl>
#include <vector>

namespace vocario::ServerRegistro {
namespace {

// The server's steps, numbered as the PC's file's are: step k brings the
// server from version k-1 to k, and a step once released never changes.
// Ids made on the PC are uuids, so an answer sent twice meets its own row.
const std::vector<QStringList>& passi() {
    static const std::vector<QStringList> tutti = {
        {
            "CREATE TABLE classi (id bigserial PRIMARY KEY, nome text NOT NULL UNIQUE)",
            "CREATE TABLE alunni (id bigserial PRIMARY KEY,"
            " classe bigint NOT NULL REFERENCES classi(id) ON DELETE CASCADE,"
            " nome text NOT NULL, UNIQUE (classe, nome))",
            "CREATE TABLE sessioni (id uuid PRIMARY KEY,"
            " alunno bigint NOT NULL REFERENCES alunni(id) ON DELETE CASCADE,"
            " inizio bigint NOT NULL, fine bigint)",
            "CREATE TABLE aperture (id uuid PRIMARY KEY,"
            " sessione uuid NOT NULL REFERENCES sessioni(id) ON DELETE CASCADE,"
            " esercizio text NOT NULL, inizio bigint NOT NULL, fine bigint)",
            "CREATE TABLE voci (id bigserial PRIMARY KEY, esercizio text NOT NULL,"
            " testo text NOT NULL, elenco text NOT NULL, UNIQUE (esercizio, testo, elenco))",
            "CREATE TABLE risposte (id uuid PRIMARY KEY, quando bigint NOT NULL,"
            " alunno bigint NOT NULL REFERENCES alunni(id) ON DELETE CASCADE,"
            " sessione uuid, voce bigint NOT NULL REFERENCES voci(id), dato text NOT NULL,"
            " esatta boolean NOT NULL, secondi double precision NOT NULL)",
        },
        // The indexes the teacher's view reads by, as on the PC.
        {
            "CREATE INDEX risposte_per_voce ON risposte (voce, alunno, esatta, quando)",
            "CREATE INDEX risposte_per_alunno ON risposte (alunno, voce, quando, esatta)",
            "CREATE INDEX alunni_per_classe ON alunni (classe)",
            "CREATE VIEW risposte_con_voci AS SELECT r.id, r.quando, r.alunno, r.sessione,"
            " v.esercizio, v.testo AS voce, v.elenco, r.dato, r.esatta, r.secondi"
            " FROM risposte r JOIN voci v ON v.id = r.voce",
        },
    };
    return tutti;
}

// The pupils' PCs add answers and read classes, pupils and items; nothing
// else. The teacher reads everything and deletes. Both log in with the
// password the technician gives them (\password in psql).
const QStringList kRuoli = {
    "DO $$BEGIN IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'vocario_pc')"
    " THEN CREATE ROLE vocario_pc LOGIN; END IF; END$$",
    "DO $$BEGIN IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'vocario_insegnante')"
    " THEN CREATE ROLE vocario_insegnante LOGIN; END IF; END$$",
    "REVOKE ALL ON ALL TABLES IN SCHEMA public FROM PUBLIC",
    "GRANT SELECT ON classi, alunni, voci, vocario_schema TO vocario_pc",
    "GRANT INSERT ON voci, sessioni, aperture, risposte TO vocario_pc",
    "GRANT SELECT (id), UPDATE (fine) ON sessioni, aperture TO vocario_pc",
    // ON CONFLICT (id) reads the ids, and only them: no answer's content.
    "GRANT SELECT (id) ON risposte TO vocario_pc",
    "GRANT USAGE ON SEQUENCE voci_id_seq TO vocario_pc",
    "GRANT SELECT, INSERT, UPDATE, DELETE ON ALL TABLES IN SCHEMA public TO vocario_insegnante",
    "GRANT USAGE ON ALL SEQUENCES IN SCHEMA public TO vocario_insegnante",
};

std::optional<QString> esegui(QSqlDatabase& db, const QStringList& istruzioni) {
    QSqlQuery query(db);
    for (const QString& istruzione : istruzioni)
        if (!query.exec(istruzione))
            return QStringLiteral("Il server del registro non si può preparare (%1).")
                .arg(query.lastError().text());
    return std::nullopt;
}

} // namespace

std::optional<Indirizzo> leggi(const QString& testo) {
    const QUrl url(testo, QUrl::StrictMode);
    if (!url.isValid() || (url.scheme() != u"postgresql" && url.scheme() != u"postgres") ||
        !url.password().isEmpty() || url.host().isEmpty())
        return std::nullopt;
    Indirizzo indirizzo{.host = url.host(),
                        .porta = url.port(5432),
                        .database = url.path().mid(1),
                        .utente = url.userName()};
    if (indirizzo.database.isEmpty())
        return std::nullopt;
    return indirizzo;
}

QString impostato(const QString& daRiga) {
    return IngressoRegistro::server(daRiga);
}

QSqlDatabase apri(const Indirizzo& indirizzo, const QString& connessione, QString* errore) {
    QSqlDatabase db = QSqlDatabase::contains(connessione)
                          ? QSqlDatabase::database(connessione, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connessione);
    db.setHostName(indirizzo.host);
    db.setPort(indirizzo.porta);
    db.setDatabaseName(indirizzo.database);
    db.setUserName(indirizzo.utente);
    // A server away or a cable pulled: given up in seconds, tried again later.
    db.setConnectOptions(QStringLiteral("connect_timeout=3;keepalives_idle=5;"
                                        "keepalives_interval=2;keepalives_count=2;"
                                        "application_name=vocario"));
    if (!db.open() && errore)
        *errore = db.lastError().text();
    return db;
}

std::optional<QString> aggiorna(QSqlDatabase& db) {
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS vocario_schema (versione integer "
                                   "NOT NULL)")) ||
        !query.exec(QStringLiteral("SELECT coalesce(max(versione), 0) FROM vocario_schema")) ||
        !query.next())
        return QStringLiteral("Il server del registro non si può leggere (%1).")
            .arg(query.lastError().text());
    const int attuale = query.value(0).toInt();
    if (attuale > int(passi().size()))
        return QStringLiteral("Il server del registro è di una versione più recente di Vocario "
                              "(%1): aggiornare Vocario.")
            .arg(attuale);
    for (int k = attuale + 1; k <= int(passi().size()); ++k) {
        if (!db.transaction())
            return db.lastError().text();
        QStringList istruzioni = passi()[size_t(k - 1)];
        istruzioni << QStringLiteral("DELETE FROM vocario_schema")
                   << QStringLiteral("INSERT INTO vocario_schema VALUES (%1)").arg(k);
        if (const std::optional<QString> errore = esegui(db, istruzioni)) {
            db.rollback();
            return errore;
        }
        if (!db.commit())
            return db.lastError().text();
    }
    return std::nullopt;
}

std::optional<QString> prepara(QSqlDatabase& db) {
    if (std::optional<QString> errore = aggiorna(db))
        return errore;
    return esegui(db, kRuoli);
}

std::optional<QList<Classe>> classi(QSqlDatabase& db) {
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT c.id, c.nome, a.id, a.nome FROM classi c LEFT JOIN "
                                   "alunni a ON a.classe = c.id ORDER BY c.nome, lower(a.nome)")))
        return std::nullopt;
    return classiDaRighe(query);
}

} // namespace vocario::ServerRegistro
