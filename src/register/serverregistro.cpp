#include "serverregistro.h"

#include "registerfile/ingressoregistro.h"
#include "registerfile/schemaregistro.h"

#include <QSettings>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QUrl>

namespace vocario::ServerRegistro {
namespace {

const QString kChiaveInsegnante = QStringLiteral("registro/insegnante");

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
    // Each PC tells how many of its answers still wait; the counts of other
    // PCs say nothing about a pupil.
    "GRANT SELECT, INSERT, UPDATE ON attese TO vocario_pc",
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

Indirizzo perInsegnante(Indirizzo indirizzo) {
    indirizzo.utente =
        QSettings().value(kChiaveInsegnante, QStringLiteral("vocario_insegnante")).toString();
    return indirizzo;
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

std::optional<QString> prepara(QSqlDatabase& db) {
    if (std::optional<QString> errore = SchemaRegistro::aggiorna(db))
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
