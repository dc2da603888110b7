#include "serverregistro.h"

#include "options/opzionisalvate.h"
#include "registerfile/ingressoregistro.h"
#include "registerfile/schemaregistro.h"

#include <QSettings>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QUrl>
#include <dlfcn.h>
#include <sys/socket.h>
#include <system_error>
#include <thread>

namespace vocario::ServerRegistro {
namespace {

const QString kChiaveInsegnante = QStringLiteral("registro/insegnante");

// The view's reads take well under a second on a school's year; an export
// of a class's year about five.
constexpr std::chrono::seconds kIstruzioneVista{30};
constexpr std::chrono::seconds kBloccoVista{10};

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

QString opzioni(const Indirizzo& indirizzo) {
    // A server away or a cable pulled: given up in seconds, tried again later.
    QString testo = QStringLiteral("connect_timeout=3;keepalives_idle=5;keepalives_interval=2;"
                                   "keepalives_count=2;application_name=vocario");
    // Given with the connection, the limits hold from its first statement.
    if (indirizzo.limiteIstruzione.count() > 0 || indirizzo.limiteBlocco.count() > 0)
        testo += QStringLiteral(";options='-c statement_timeout=%1 -c lock_timeout=%2'")
                     .arg(indirizzo.limiteIstruzione.count())
                     .arg(indirizzo.limiteBlocco.count());
    return testo;
}

// The libpq calls that end a statement from another thread, taken from the
// libpq that Qt's PostgreSQL driver has loaded: the build needs none of its
// own, and a PC no package beyond the driver.
struct Libpq {
    void* (*getCancel)(void*) = nullptr;
    int (*cancel)(void*, char*, int) = nullptr;
    void (*freeCancel)(void*) = nullptr;
    int (*socket)(const void*) = nullptr;

    bool pronta() const { return getCancel && cancel && freeCancel && socket; }
};

template <typename Funzione> void prendi(void* libreria, const char* nome, Funzione& funzione) {
    funzione = reinterpret_cast<Funzione>(dlsym(libreria, nome));
}

// Asked only once a connection is open, when the driver has loaded libpq.
// Never closed: a cancel request may still be on its way at exit.
const Libpq& libpq() {
    static const Libpq funzioni = [] {
        Libpq f;
        if (void* libreria = dlopen("libpq.so.5", RTLD_NOW | RTLD_NOLOAD)) {
            prendi(libreria, "PQgetCancel", f.getCancel);
            prendi(libreria, "PQcancel", f.cancel);
            prendi(libreria, "PQfreeCancel", f.freeCancel);
            prendi(libreria, "PQsocket", f.socket);
        }
        return f;
    }();
    return funzioni;
}

// The driver's PGconn; Qt 6.4 names its type after libpq's struct.
void* connessionePg(const QSqlDatabase& db) {
    const QVariant maniglia = db.driver() ? db.driver()->handle() : QVariant();
    const QByteArray tipo = maniglia.typeName();
    if (!db.isOpen() || (tipo != "PGconn*" && tipo != "pg_conn*"))
        return nullptr;
    return *static_cast<void* const*>(maniglia.constData());
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
    indirizzo.utente = OpzioniSalvate::impostazioni()
                           .value(kChiaveInsegnante, QStringLiteral("vocario_insegnante"))
                           .toString();
    indirizzo.limiteIstruzione = kIstruzioneVista;
    indirizzo.limiteBlocco = kBloccoVista;
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
    db.setConnectOptions(opzioni(indirizzo));
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

QString motivo(const QString& testoDelDriver) {
    // What a lab PC's technician meets first: the PC's password, missing or wrong.
    if (testoDelDriver.contains(u"no password supplied"))
        return QStringLiteral("questo utente non ha la password del server: va nel suo file "
                              "~/.pgpass (vedi il README, «For schools»)");
    if (testoDelDriver.contains(u"password authentication failed"))
        return QStringLiteral("il server non accetta la password del file ~/.pgpass di questo "
                              "utente");
    // Qt's driver gives the SQLSTATE in brackets: 55P03 for lock_timeout,
    // 57014 for statement_timeout.
    if (testoDelDriver.contains(u"(55P03)"))
        return QStringLiteral("il server della scuola è occupato: un altro programma tiene "
                              "bloccata una tabella del registro");
    if (testoDelDriver.contains(u"(57014)"))
        return QStringLiteral("il server della scuola ha impiegato troppo a rispondere");
    return testoDelDriver;
}

Interruzione::Interruzione(std::shared_ptr<void> annullamento, int presa)
    : annullamento_(std::move(annullamento)), presa_(presa) {}

std::optional<Interruzione> Interruzione::per(const QSqlDatabase& db) {
    // An open connection first: only then has the driver loaded libpq.
    void* connessione = connessionePg(db);
    if (!connessione || !libpq().pronta())
        return std::nullopt;
    const Libpq& pq = libpq();
    const int presa = pq.socket(connessione);
    void* annullamento = presa < 0 ? nullptr : pq.getCancel(connessione);
    if (!annullamento)
        return std::nullopt;
    return Interruzione(std::shared_ptr<void>(annullamento, pq.freeCancel), presa);
}

void Interruzione::interrompi() const {
    // PQcancel connects to the server and waits for it to hang up: on a
    // thread of its own, so that a server that never answers cannot hold
    // the caller. Without it, the server drops the statement at its limit.
    try {
        std::thread([annullamento = annullamento_] {
            char errore[256];
            libpq().cancel(annullamento.get(), errore, sizeof errore);
        }).detach();
    } catch (const std::system_error&) {
    }
    // The waiting thread reads the end of the connection now. libpq sends
    // with MSG_NOSIGNAL: writing on it afterwards raises no SIGPIPE.
    ::shutdown(presa_, SHUT_RDWR);
}

} // namespace vocario::ServerRegistro
