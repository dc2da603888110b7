#include "serverregistro.h"

#include "exercises/catalogo.h"
#include "registerfile/schemaregistro.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace vocario::ServerRegistro {
namespace {

// How long each role's statements may run, and wait for a table another
// client holds, whatever its client asks: no PC, nor a teacher's export,
// freezes the others.
constexpr const char* kLimitiPc = "statement_timeout = '5s'";
constexpr const char* kBloccoPc = "lock_timeout = '3s'";
constexpr const char* kLimitiInsegnante = "statement_timeout = '60s'";
constexpr const char* kBloccoInsegnante = "lock_timeout = '10s'";

const char* const kFunzioniDeiPc[] = {
    "vocario_risposta(uuid, bigint, uuid, bigint, text, text, text, text, boolean, double "
    "precision, uuid)",
    "vocario_inizio_sessione(uuid, bigint, bigint, uuid)",
    "vocario_fine_sessione(uuid, bigint, uuid)",
    "vocario_apertura(uuid, bigint, text, uuid, uuid)",
    "vocario_chiusura(uuid, bigint, uuid)",
    "vocario_attesa(uuid, text, integer)",
    "vocario_classi()",
    "vocario_versioni_elenchi()",
    "vocario_elenco(bigint, text, integer)",
    "vocario_salva_ripasso(bigint, text, uuid)",
    "vocario_ripasso(bigint)",
};

QString identificatore(const QString& nome) {
    return u'"' + QString(nome).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString letterale(const QString& testo) {
    return u'\'' + QString(testo).replace(u'\'', QStringLiteral("''")) + u'\'';
}

QString creaRuolo(const QString& ruolo) {
    return QStringLiteral("DO $$BEGIN IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = %1)"
                          " THEN CREATE ROLE %2 LOGIN; END IF; END$$")
        .arg(letterale(ruolo), identificatore(ruolo));
}

// Rights of the roles an earlier program made for every database
// (vocario_pc, vocario_insegnante), taken back on a database whose roles
// now carry its own name.
QStringList ruoliDiPrima(const QString& database) {
    QStringList istruzioni;
    for (const QString& vecchio :
         {QStringLiteral("vocario_pc"), QStringLiteral("vocario_insegnante")}) {
        if (vecchio == ruoloPc(database) || vecchio == ruoloInsegnante(database))
            continue;
        istruzioni << QStringLiteral(
                          "DO $$BEGIN IF EXISTS (SELECT 1 FROM pg_roles WHERE rolname = %1) THEN"
                          " REVOKE ALL ON ALL TABLES IN SCHEMA public FROM %2;"
                          " REVOKE ALL ON ALL SEQUENCES IN SCHEMA public FROM %2;"
                          " REVOKE CONNECT ON DATABASE %3 FROM %2; END IF; END$$")
                          .arg(letterale(vecchio), identificatore(vecchio),
                               identificatore(database));
    }
    return istruzioni;
}

QStringList diritti(const QString& database) {
    const QString db = identificatore(database);
    const QString pc = identificatore(ruoloPc(database));
    const QString insegnante = identificatore(ruoloInsegnante(database));
    QStringList istruzioni = {
        creaRuolo(ruoloPc(database)),
        creaRuolo(ruoloInsegnante(database)),
        // Only the two roles (and the owner) connect to this database: a
        // role of another school's database on the same server does not.
        QStringLiteral("REVOKE ALL ON DATABASE %1 FROM PUBLIC").arg(db),
        QStringLiteral("GRANT CONNECT ON DATABASE %1 TO %2, %3").arg(db, pc, insegnante),
        QStringLiteral("REVOKE ALL ON SCHEMA public FROM PUBLIC"),
        QStringLiteral("GRANT USAGE ON SCHEMA public TO %1, %2").arg(pc, insegnante),
        QStringLiteral("REVOKE ALL ON ALL TABLES IN SCHEMA public FROM PUBLIC, %1").arg(pc),
        QStringLiteral("REVOKE ALL ON ALL SEQUENCES IN SCHEMA public FROM PUBLIC, %1").arg(pc),
        QStringLiteral("GRANT SELECT, INSERT, UPDATE, DELETE ON ALL TABLES IN SCHEMA public TO %1")
            .arg(insegnante),
        QStringLiteral("GRANT USAGE ON ALL SEQUENCES IN SCHEMA public TO %1").arg(insegnante),
        QStringLiteral("ALTER ROLE %1 IN DATABASE %2 SET %3").arg(pc, db, kLimitiPc),
        QStringLiteral("ALTER ROLE %1 IN DATABASE %2 SET %3").arg(pc, db, kBloccoPc),
        QStringLiteral("ALTER ROLE %1 IN DATABASE %2 SET %3")
            .arg(insegnante, db, kLimitiInsegnante),
        QStringLiteral("ALTER ROLE %1 IN DATABASE %2 SET %3")
            .arg(insegnante, db, kBloccoInsegnante),
    };
    for (const char* funzione : kFunzioniDeiPc)
        istruzioni << QStringLiteral("GRANT EXECUTE ON FUNCTION %1 TO %2")
                          .arg(QLatin1String(funzione), pc);
    istruzioni
        << QStringLiteral("GRANT EXECUTE ON FUNCTION vocario_classi() TO %1").arg(insegnante);
    return istruzioni + ruoliDiPrima(database);
}

// The names an answer or an opening may carry: the program's own.
QStringList esercizi() {
    QStringList istruzioni;
    for (const ExerciseEntry& esercizio : catalogoEsercizi())
        istruzioni << QStringLiteral("INSERT INTO esercizi VALUES (%1) ON CONFLICT DO NOTHING")
                          .arg(letterale(QString::fromUtf8(esercizio.nome)));
    return istruzioni;
}

} // namespace

QString ruoloPc(const QString& database) {
    return database + QStringLiteral("_pc");
}

QString ruoloInsegnante(const QString& database) {
    return database + QStringLiteral("_insegnante");
}

std::optional<QString> prepara(QSqlDatabase& db, QString* nome) {
    // A service may name the database in the service file.
    QSqlQuery query(db);
    const QString database = query.exec(QStringLiteral("SELECT current_database()")) && query.next()
                                 ? query.value(0).toString()
                                 : db.databaseName();
    if (nome)
        *nome = database;
    // Role names are at most 63 bytes; the longer suffix takes 11.
    if (database.isEmpty() || database.toUtf8().size() > 52)
        return QStringLiteral("Il nome del database «%1» non va bene per i ruoli del registro: "
                              "ne serve uno di al massimo 52 caratteri.")
            .arg(database);
    if (std::optional<QString> errore = SchemaRegistro::aggiorna(db))
        return errore;
    if (!db.transaction())
        return QStringLiteral("Il server del registro non si può preparare (%1).")
            .arg(db.lastError().text());
    for (const QString& istruzione : esercizi() + diritti(database))
        if (!query.exec(istruzione)) {
            const QString errore = query.lastError().text();
            db.rollback();
            return QStringLiteral("Il server del registro non si può preparare (%1).").arg(errore);
        }
    if (!db.commit())
        return QStringLiteral("Il server del registro non si può preparare (%1).")
            .arg(db.lastError().text());
    // The schedules the PCs keep beside the answers, made again from them.
    return ricostruisciRipassi(db);
}

} // namespace vocario::ServerRegistro
