#include "schemaregistro.h"

#include "pianoripasso.h"

#include <QScopeGuard>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <vector>

namespace vocario::SchemaRegistro {
namespace {

// What both engines share, word for word: the indexes the teacher's view
// reads by (the class's items, a pupil's items in time), both covering
// their queries, and the answers with their items' texts, for the view and
// for a look with sqlite3 or psql.
const QStringList kIndiciEVista = {
    "CREATE INDEX risposte_per_voce ON risposte (voce, alunno, esatta, quando)",
    "CREATE INDEX risposte_per_alunno ON risposte (alunno, voce, quando, esatta)",
    "CREATE INDEX alunni_per_classe ON alunni (classe)",
    "CREATE VIEW risposte_con_voci AS SELECT r.id, r.quando, r.alunno, r.sessione,"
    " v.esercizio, v.testo AS voce, v.elenco, r.dato, r.esatta, r.secondi"
    " FROM risposte r JOIN voci v ON v.id = r.voce",
};

// An exercise's rows take its new name, the same on both engines. A PC
// updated before the server may have sent rows under the new name already:
// an item kept under both names becomes one, its answers going with it.
QStringList rinominaEsercizio(const QString& vecchio, const QString& nuovo) {
    const QString doppie = QStringLiteral("SELECT o.id FROM voci o JOIN voci n ON n.testo = "
                                          "o.testo AND n.elenco = o.elenco AND n.esercizio = '%2' "
                                          "WHERE o.esercizio = '%1'")
                               .arg(vecchio, nuovo);
    return {
        QStringLiteral("UPDATE risposte SET voce = (SELECT n.id FROM voci o JOIN voci n ON "
                       "n.testo = o.testo AND n.elenco = o.elenco AND n.esercizio = '%1' WHERE "
                       "o.id = risposte.voce) WHERE voce IN (%2)")
            .arg(nuovo, doppie),
        QStringLiteral("DELETE FROM voci WHERE id IN (%1)").arg(doppie),
        QStringLiteral("UPDATE voci SET esercizio = '%2' WHERE esercizio = '%1'")
            .arg(vecchio, nuovo),
        QStringLiteral("UPDATE aperture SET esercizio = '%2' WHERE esercizio = '%1'")
            .arg(vecchio, nuovo),
    };
}

// 4 on both engines: the two exercises whose register name differed from
// their menu caption take the caption's (NomiEsercizi maps what is still
// written under the old ones).
QStringList nomiDelMenu() {
    return rinominaEsercizio(QStringLiteral("modi-di-dire"), QStringLiteral("parola-corretta")) +
           rinominaEsercizio(QStringLiteral("parola-che-comprende"),
                             QStringLiteral("parola-che-comprende-le-altre"));
}

QStringList elenchiDelleClassi() {
    const QString intestazione =
        QStringLiteral(" LANGUAGE sql STABLE SECURITY DEFINER SET search_path = public, pg_temp");
    return {
        // The reader's own limit on a list's size, and the seven lists' names.
        "ALTER TABLE classi ADD COLUMN ripasso boolean NOT NULL DEFAULT true",
        "CREATE TABLE elenchi_classe (classe bigint NOT NULL REFERENCES classi(id) ON DELETE"
        " CASCADE, file text NOT NULL CHECK (file ~ '^[a-z]{1,30}[.]txt$'), versione integer NOT"
        " NULL, testo bytea CHECK (length(testo) <= 2097152), quando bigint NOT NULL,"
        " PRIMARY KEY (classe, file, versione))",
        QStringLiteral("CREATE FUNCTION vocario_versioni_elenchi() RETURNS TABLE (classe bigint,"
                       " file text, versione integer, ritirato boolean)") +
            intestazione +
            QStringLiteral(" AS $$SELECT DISTINCT ON (classe, file) classe, file, versione,"
                           " testo IS NULL FROM elenchi_classe ORDER BY classe, file,"
                           " versione DESC$$"),
        QStringLiteral("CREATE FUNCTION vocario_elenco(p_classe bigint, p_file text,"
                       " p_versione integer) RETURNS bytea") +
            intestazione +
            QStringLiteral(" AS $$SELECT testo FROM elenchi_classe WHERE classe = p_classe AND"
                           " file = p_file AND versione = p_versione$$"),
        "REVOKE ALL ON FUNCTION vocario_versioni_elenchi(), vocario_elenco(bigint, text, integer)"
        " FROM PUBLIC",
    };
}

// The server's time in milliseconds since 1970, as the rows keep it.
const char* const kAdesso = "(extract(epoch FROM clock_timestamp()) * 1000)::bigint";

// What the PCs' role may do on the server, and nothing more. An answer
// that waited on a PC while the server was away keeps its own time, so a
// time is refused only when it is later than a day from now or older than
// a school year: a PC's clock set wrong, or a row made up. Each function
// returns NULL when the row is taken (or dropped because the teacher has
// deleted its pupil meanwhile) and the reason when it refuses it, so that
// one bad row never holds back the rows behind it.
QStringList funzioniDeiPc() {
    const QString adesso = QString::fromLatin1(kAdesso);
    const QString intestazione = QStringLiteral(
        " LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS $$ ");
    return {
        "ALTER TABLE sessioni ADD COLUMN pc uuid, ADD COLUMN arrivo bigint",
        "ALTER TABLE risposte ADD COLUMN pc uuid, ADD COLUMN arrivo bigint",
        // The exercises a row may name: the program's catalogue, written by
        // --registro-prepara.
        "CREATE TABLE esercizi (nome text PRIMARY KEY)",
        QStringLiteral("CREATE FUNCTION vocario_ora_ammessa(quando bigint) RETURNS boolean"
                       " LANGUAGE sql AS $$SELECT quando IS NOT NULL AND quando <= %1 + 86400000"
                       " AND quando >= %1 - 400 * 86400000::bigint$$")
            .arg(adesso),
        QStringLiteral(
            "CREATE FUNCTION vocario_risposta(p_id uuid, p_quando bigint, p_sessione uuid,"
            " p_alunno bigint, p_esercizio text, p_voce text, p_elenco text, p_dato text,"
            " p_esatta boolean, p_secondi double precision, p_pc uuid) RETURNS text") +
            intestazione +
            QStringLiteral(
                "DECLARE v_voce bigint; BEGIN"
                " IF p_id IS NULL OR p_pc IS NULL OR p_esatta IS NULL THEN"
                " RETURN 'risposta incompleta'; END IF;"
                " IF NOT vocario_ora_ammessa(p_quando) THEN RETURN 'ora fuori dal tempo ammesso';"
                " END IF;"
                " IF p_secondi IS NULL OR NOT (p_secondi >= 0 AND p_secondi <= 86400) THEN"
                " RETURN 'secondi fuori misura'; END IF;"
                " IF NOT EXISTS (SELECT 1 FROM esercizi WHERE nome = p_esercizio) THEN"
                " RETURN 'esercizio sconosciuto'; END IF;"
                " IF p_elenco IS NULL OR (p_elenco NOT IN ('programma', 'insegnante') AND NOT "
                "EXISTS"
                " (SELECT 1 FROM elenchi_classe e JOIN alunni a ON a.classe = e.classe WHERE"
                " a.id = p_alunno AND 'classe:' || e.file || ':' || e.versione = p_elenco)) THEN"
                " RETURN 'elenco sconosciuto'; END IF;"
                " IF coalesce(length(p_voce), 0) NOT BETWEEN 1 AND 2000"
                " OR coalesce(length(p_dato), 501) > 500 THEN RETURN 'testo fuori misura'; END IF;"
                " IF NOT EXISTS (SELECT 1 FROM alunni WHERE id = p_alunno) THEN RETURN NULL;"
                " END IF;"
                " IF EXISTS (SELECT 1 FROM sessioni WHERE id = p_sessione AND (alunno <> p_alunno"
                " OR pc <> p_pc)) THEN RETURN 'sessione di un altro alunno o PC';"
                " END IF;"
                " INSERT INTO voci (esercizio, testo, elenco) VALUES (p_esercizio, p_voce,"
                " p_elenco) ON CONFLICT DO NOTHING;"
                " SELECT id INTO v_voce FROM voci WHERE esercizio = p_esercizio"
                " AND testo = p_voce AND elenco = p_elenco;"
                " INSERT INTO risposte (id, quando, alunno, sessione, voce, dato, esatta,"
                " secondi, pc, arrivo) VALUES (p_id, p_quando, p_alunno, p_sessione, v_voce,"
                " p_dato, p_esatta, p_secondi, p_pc, %1) ON CONFLICT (id) DO NOTHING;"
                " RETURN NULL; END $$")
                .arg(adesso),
        QStringLiteral("CREATE FUNCTION vocario_inizio_sessione(p_id uuid, p_inizio bigint,"
                       " p_alunno bigint, p_pc uuid) RETURNS text") +
            intestazione +
            QStringLiteral(
                "BEGIN IF p_id IS NULL OR p_pc IS NULL THEN RETURN 'sessione incompleta'; END IF;"
                " IF NOT vocario_ora_ammessa(p_inizio) THEN RETURN 'ora fuori dal tempo ammesso';"
                " END IF;"
                " INSERT INTO sessioni (id, inizio, alunno, pc, arrivo) SELECT p_id, p_inizio,"
                " a.id, p_pc, %1 FROM alunni a WHERE a.id = p_alunno ON CONFLICT (id) DO NOTHING;"
                " RETURN NULL; END $$")
                .arg(adesso),
        // A session begun before these functions has no PC: the PC that
        // began it closes it all the same.
        QStringLiteral("CREATE FUNCTION vocario_fine_sessione(p_id uuid, p_fine bigint,"
                       " p_pc uuid) RETURNS text") +
            intestazione +
            QStringLiteral("BEGIN IF NOT vocario_ora_ammessa(p_fine) THEN"
                           " RETURN 'ora fuori dal tempo ammesso'; END IF;"
                           " UPDATE sessioni SET fine = p_fine WHERE id = p_id AND p_fine >= inizio"
                           " AND (pc = p_pc OR pc IS NULL); RETURN NULL; END $$"),
        QStringLiteral("CREATE FUNCTION vocario_apertura(p_id uuid, p_inizio bigint,"
                       " p_esercizio text, p_sessione uuid, p_pc uuid) RETURNS text") +
            intestazione +
            QStringLiteral(
                "BEGIN IF p_id IS NULL THEN RETURN 'apertura incompleta'; END IF;"
                " IF NOT vocario_ora_ammessa(p_inizio) THEN RETURN 'ora fuori dal tempo ammesso';"
                " END IF;"
                " IF NOT EXISTS (SELECT 1 FROM esercizi WHERE nome = p_esercizio) THEN"
                " RETURN 'esercizio sconosciuto'; END IF;"
                " INSERT INTO aperture (id, inizio, esercizio, sessione) SELECT p_id, p_inizio,"
                " p_esercizio, s.id FROM sessioni s WHERE s.id = p_sessione"
                " AND (s.pc = p_pc OR s.pc IS NULL) ON CONFLICT (id) DO NOTHING;"
                " RETURN NULL; END $$"),
        QStringLiteral("CREATE FUNCTION vocario_chiusura(p_id uuid, p_fine bigint, p_pc uuid)"
                       " RETURNS text") +
            intestazione +
            QStringLiteral(
                "BEGIN IF NOT vocario_ora_ammessa(p_fine) THEN"
                " RETURN 'ora fuori dal tempo ammesso'; END IF;"
                " UPDATE aperture a SET fine = p_fine FROM sessioni s WHERE a.id = p_id"
                " AND s.id = a.sessione AND p_fine >= a.inizio AND (s.pc = p_pc OR s.pc IS NULL);"
                " RETURN NULL; END $$"),
        // A PC tells only its own count; its name is the one the PC shows
        // (never its host or its user's login).
        QStringLiteral("CREATE FUNCTION vocario_attesa(p_pc uuid, p_nome text, p_in_attesa"
                       " integer) RETURNS text") +
            intestazione +
            QStringLiteral(
                "BEGIN IF p_pc IS NULL OR coalesce(length(p_nome), 61) > 60"
                " OR NOT (p_in_attesa BETWEEN 0 AND 100000000) THEN"
                " RETURN 'attesa fuori misura'; END IF;"
                " INSERT INTO attese (pc, nome, in_attesa, aggiornato) VALUES (p_pc, p_nome,"
                " p_in_attesa, %1) ON CONFLICT (pc) DO UPDATE SET nome = excluded.nome,"
                " in_attesa = excluded.in_attesa, aggiornato = excluded.aggiornato;"
                " RETURN NULL; END $$")
                .arg(adesso),
        // Each pupil's schedule, item by item, so that it follows the pupil
        // to any PC: of each item the state with the later answer counts,
        // whichever PC sends it first. A PC reads a pupil's schedule, never
        // the answers; a bad copy is refused whole, never half taken.
        "CREATE TABLE ripassi (alunno bigint NOT NULL REFERENCES alunni(id) ON DELETE CASCADE,"
        " esercizio text NOT NULL, voce text NOT NULL, fase smallint NOT NULL,"
        " scatola smallint NOT NULL, scade bigint NOT NULL, mostrata bigint NOT NULL,"
        " ultima bigint NOT NULL, esatta boolean NOT NULL, numero integer NOT NULL, pc uuid,"
        " aggiornato bigint NOT NULL, PRIMARY KEY (alunno, esercizio, voce))",
        QStringLiteral("CREATE FUNCTION vocario_salva_ripasso(p_alunno bigint, p_voci text,"
                       " p_pc uuid) RETURNS text") +
            intestazione +
            QStringLiteral(
                "DECLARE v_voci jsonb; BEGIN"
                " IF p_pc IS NULL OR p_voci IS NULL THEN RETURN 'ripasso incompleto'; END IF;"
                " IF length(p_voci) > 8000000 THEN RETURN 'ripasso fuori misura'; END IF;"
                " IF NOT EXISTS (SELECT 1 FROM alunni WHERE id = p_alunno) THEN RETURN NULL;"
                " END IF;"
                // A value of the wrong type fails the cast: refused, and the
                // sender's transaction goes on.
                " BEGIN v_voci := p_voci::jsonb;"
                " IF jsonb_typeof(v_voci) <> 'array' OR jsonb_array_length(v_voci) > %2 THEN"
                " RETURN 'ripasso fuori misura'; END IF;"
                " IF EXISTS (SELECT 1 FROM jsonb_to_recordset(v_voci) AS %3 WHERE NOT EXISTS"
                " (SELECT 1 FROM esercizi WHERE nome = r.e) OR coalesce(length(r.v), 0) NOT"
                " BETWEEN 1 AND 2000 OR r.f IS NULL OR r.f NOT BETWEEN 0 AND 3 OR r.s IS NULL"
                " OR r.s NOT BETWEEN 0 AND 3 OR r.d IS NULL OR r.m IS NULL OR r.u IS NULL"
                " OR r.u > %1 + 86400000 OR r.x IS NULL OR r.n IS NULL OR r.n < 0) THEN"
                " RETURN 'ripasso fuori misura'; END IF;"
                " IF (SELECT count(DISTINCT (r.e, r.v)) <> count(*) FROM"
                " jsonb_to_recordset(v_voci) AS %3) THEN RETURN 'ripasso con voci doppie';"
                " END IF;"
                " INSERT INTO ripassi (alunno, esercizio, voce, fase, scatola, scade, mostrata,"
                " ultima, esatta, numero, pc, aggiornato) SELECT p_alunno, r.e, r.v, r.f, r.s,"
                " r.d, r.m, r.u, r.x, r.n, p_pc, %1 FROM jsonb_to_recordset(v_voci) AS %3"
                " ON CONFLICT (alunno, esercizio, voce) DO UPDATE SET fase = excluded.fase,"
                " scatola = excluded.scatola, scade = excluded.scade,"
                " mostrata = excluded.mostrata, ultima = excluded.ultima,"
                " esatta = excluded.esatta, numero = excluded.numero, pc = excluded.pc,"
                " aggiornato = excluded.aggiornato WHERE excluded.ultima >= ripassi.ultima;"
                " EXCEPTION WHEN others THEN RETURN 'ripasso illeggibile'; END;"
                " RETURN NULL; END $$")
                .arg(adesso)
                .arg(PianoRipasso::kVociAlPiu)
                .arg(QLatin1String("r(e text, v text, f smallint, s smallint, d bigint,"
                                   " m bigint, u bigint, x boolean, n integer)")),
        "CREATE FUNCTION vocario_ripasso(p_alunno bigint) RETURNS TABLE (esercizio text,"
        " voce text, fase smallint, scatola smallint, scade bigint, mostrata bigint,"
        " ultima bigint, esatta boolean, numero integer) LANGUAGE sql STABLE SECURITY DEFINER"
        " SET search_path = public, pg_temp AS $$SELECT esercizio, voce, fase, scatola, scade,"
        " mostrata, ultima, esatta, numero FROM ripassi WHERE alunno = p_alunno$$",
        "CREATE FUNCTION vocario_classi() RETURNS TABLE (classe bigint, nome_classe text,"
        " alunno bigint, nome_alunno text, ripasso boolean) LANGUAGE sql STABLE SECURITY DEFINER"
        " SET search_path = public, pg_temp AS $$SELECT c.id, c.nome, a.id, a.nome, c.ripasso"
        " FROM classi c"
        " LEFT JOIN alunni a ON a.classe = c.id ORDER BY c.nome, lower(a.nome)$$",
        // Every function may be called by anyone until told otherwise.
        "REVOKE ALL ON FUNCTION vocario_ora_ammessa(bigint), vocario_risposta(uuid, bigint, uuid,"
        " bigint, text, text, text, text, boolean, double precision, uuid),"
        " vocario_inizio_sessione(uuid, bigint, bigint, uuid), vocario_fine_sessione(uuid,"
        " bigint, uuid), vocario_apertura(uuid, bigint, text, uuid, uuid), vocario_chiusura(uuid,"
        " bigint, uuid), vocario_attesa(uuid, text, integer), vocario_classi(),"
        " vocario_salva_ripasso(bigint, text, uuid), vocario_ripasso(bigint) FROM PUBLIC",
    };
}

// One step per version and engine: step k brings a store from version k-1
// to k. A step once released is never changed; a change is a new step.
// Every row a PC makes (sessions, openings, answers) has an id made on the
// PC, so that it can be sent on and never doubled.

// The PC's file.
const std::vector<QStringList>& passiFile() {
    static const std::vector<QStringList> passi = {
        // 1: classes, pupils by first name or nickname, play sessions, the
        // exercises opened, and one row per answer.
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
        // 2: the teacher's settings (the password's hash, notices, the
        // server's classes last read), and the view's indexes.
        QStringList{"CREATE TABLE impostazioni (chiave TEXT PRIMARY KEY, valore TEXT NOT NULL)"} +
            kIndiciEVista,
        // 3: with a school's server set, the PC keeps what waits to be sent
        // (each operation as a journal line), in the order it was made.
        {
            "CREATE TABLE in_uscita (n INTEGER PRIMARY KEY, riga BLOB NOT NULL)",
        },
        // 4: the exercises' names as in the menu.
        nomiDelMenu(),
        // 5: a deleted pupil's or class's id is never given again (an answer
        // still waiting names its pupil by id), and the file has an identity
        // of its own, which a copy keeps and a new file does not. Rebuilt as
        // SQLite's documentation says, with the foreign keys off (aggiorna):
        // dropping the old tables deletes nothing of what refers to them.
        {
            "CREATE TABLE classi_nuova (id INTEGER PRIMARY KEY AUTOINCREMENT,"
            " nome TEXT NOT NULL UNIQUE)",
            "INSERT INTO classi_nuova (id, nome) SELECT id, nome FROM classi",
            "CREATE TABLE alunni_nuova (id INTEGER PRIMARY KEY AUTOINCREMENT,"
            " classe INTEGER NOT NULL REFERENCES classi(id) ON DELETE CASCADE,"
            " nome TEXT NOT NULL, UNIQUE (classe, nome))",
            "INSERT INTO alunni_nuova (id, classe, nome) SELECT id, classe, nome FROM alunni",
            "DROP TABLE alunni",
            "DROP TABLE classi",
            "ALTER TABLE classi_nuova RENAME TO classi",
            "ALTER TABLE alunni_nuova RENAME TO alunni",
            "CREATE INDEX alunni_per_classe ON alunni (classe)",
            "INSERT OR IGNORE INTO impostazioni (chiave, valore)"
            " VALUES ('identita', lower(hex(randomblob(16))))",
        },
        // 6: the lists the teacher gave a class, every version kept (the
        // answers given on one name it); a version without text gives the
        // class back the program's list. On a lab's PC, the copy of the
        // server's, as with the classes.
        {
            "CREATE TABLE elenchi_classe (classe INTEGER NOT NULL, file TEXT NOT NULL,"
            " versione INTEGER NOT NULL, testo BLOB, quando INTEGER NOT NULL,"
            " PRIMARY KEY (classe, file, versione))",
            // The class's review of its pupils' missed words, on by default.
            "ALTER TABLE classi ADD COLUMN ripasso INTEGER NOT NULL DEFAULT 1",
        },
        // 7: on a lab's PC, whose answers leave for the server, its copy of
        // each pupil's schedule, item by item as the server keeps it, for
        // "Chi gioca?" at once and with the server away. The pupils are the
        // server's: no reference to this file's own.
        {
            "CREATE TABLE ripassi (alunno INTEGER NOT NULL, esercizio TEXT NOT NULL,"
            " voce TEXT NOT NULL, fase INTEGER NOT NULL, scatola INTEGER NOT NULL,"
            " scade INTEGER NOT NULL, mostrata INTEGER NOT NULL, ultima INTEGER NOT NULL,"
            " esatta INTEGER NOT NULL, numero INTEGER NOT NULL,"
            " PRIMARY KEY (alunno, esercizio, voce)) WITHOUT ROWID",
        },
    };
    return passi;
}

// The school's server: the same tables in PostgreSQL's types.
const std::vector<QStringList>& passiServer() {
    static const std::vector<QStringList> passi = {
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
        // 2: the view's indexes, as on the PC.
        kIndiciEVista,
        // 3: each PC's count of answers still waiting to be sent, as its
        // sender last told it (pc: the id kept in the PC's file).
        {
            "CREATE TABLE attese (pc uuid PRIMARY KEY, nome text NOT NULL,"
            " in_attesa integer NOT NULL, aggiornato bigint NOT NULL)",
        },
        // 4: as on the PC.
        nomiDelMenu(),
        // 5: the PCs' role reaches the tables only through these functions,
        // which run as the tables' owner and take a row only as an honest
        // PC would send it. Each row is stamped with the PC that sent it
        // and the server's time of its arrival.
        // The classes' own lists as on the PC: the teacher's role writes
        // them, the PCs' reads the current version of each.
        elenchiDelleClassi() + funzioniDeiPc(),
    };
    return passi;
}

bool sulServer(const QSqlDatabase& db) {
    return db.driverName() == QLatin1String("QPSQL");
}

const std::vector<QStringList>& passi(Motore motore) {
    return motore == Motore::Server ? passiServer() : passiFile();
}

QString motivo(const QSqlError& errore, bool server) {
    return (server ? QStringLiteral("Il server del registro non si può aggiornare (%1).")
                   : QStringLiteral("Il registro non si può aggiornare (%1)."))
        .arg(errore.text());
}

QString versioneScritta(int k, bool server) {
    return server ? QStringLiteral("UPDATE vocario_schema SET versione = %1").arg(k)
                  : QStringLiteral("PRAGMA user_version = %1").arg(k);
}

// Step k in one transaction. On the file the foreign keys are off meanwhile
// (SQLite ignores the switch inside a transaction), then as they were: a
// table rebuilt must not take with it the rows that refer to it.
std::optional<QString> passo(QSqlDatabase& db, Motore motore, int k) {
    const bool server = motore == Motore::Server;
    QSqlQuery query(db);
    const bool chiaviAccese = !server && query.exec(QStringLiteral("PRAGMA foreign_keys")) &&
                              query.next() && query.value(0).toBool();
    if (chiaviAccese)
        query.exec(QStringLiteral("PRAGMA foreign_keys = OFF"));
    const auto chiavi = qScopeGuard([&db, chiaviAccese] {
        if (chiaviAccese)
            QSqlQuery(db).exec(QStringLiteral("PRAGMA foreign_keys = ON"));
    });
    if (!db.transaction())
        return motivo(db.lastError(), server);
    QStringList istruzioni = passi(motore)[size_t(k - 1)];
    istruzioni << versioneScritta(k, server);
    for (const QString& istruzione : std::as_const(istruzioni))
        if (!query.exec(istruzione)) {
            const QSqlError errore = query.lastError();
            db.rollback();
            return motivo(errore, server);
        }
    query.finish();
    if (!db.commit()) {
        const QSqlError errore = db.lastError();
        db.rollback();
        return motivo(errore, server);
    }
    return std::nullopt;
}

} // namespace

int versioneAttuale(Motore motore) {
    return int(passi(motore).size());
}

int versione(QSqlDatabase& db) {
    QSqlQuery query(db);
    // The server's version table holds one row, made with the table.
    if (sulServer(db) &&
        (!query.exec(QStringLiteral("SELECT to_regclass('vocario_schema') IS NULL")) ||
         !query.next() ||
         (query.value(0).toBool() &&
          !query.exec(QStringLiteral("CREATE TABLE vocario_schema (versione integer NOT NULL)"))) ||
         !query.exec(QStringLiteral("INSERT INTO vocario_schema SELECT 0 WHERE NOT EXISTS "
                                    "(SELECT 1 FROM vocario_schema)"))))
        return -1;
    if (!query.exec(sulServer(db) ? QStringLiteral("SELECT max(versione) FROM vocario_schema")
                                  : QStringLiteral("PRAGMA user_version")) ||
        !query.next())
        return -1;
    return query.value(0).toInt();
}

std::optional<QString> aggiorna(QSqlDatabase& db, int finoA) {
    const bool server = sulServer(db);
    const Motore motore = server ? Motore::Server : Motore::File;
    if (finoA < 0)
        finoA = versioneAttuale(motore);
    const int attuale = versione(db);
    if (attuale < 0)
        return (server ? QStringLiteral("Il server del registro non si può leggere (%1).")
                       : QStringLiteral("Il file del registro non si può leggere (%1)."))
            .arg(db.lastError().text());
    if (attuale > versioneAttuale(motore))
        return server ? QStringLiteral("Il server del registro è di una versione più recente di "
                                       "Vocario (%1): aggiornare Vocario.")
                            .arg(attuale)
                      : QStringLiteral("Il registro è stato scritto da una versione più recente "
                                       "di Vocario (versione %1 del registro; questo programma "
                                       "conosce fino alla %2). Aggiornare Vocario per aprirlo: "
                                       "il file resta com'è.")
                            .arg(attuale)
                            .arg(versioneAttuale(motore));
    for (int k = attuale + 1; k <= finoA; ++k)
        if (std::optional<QString> errore = passo(db, motore, k))
            return errore;
    return std::nullopt;
}

} // namespace vocario::SchemaRegistro
