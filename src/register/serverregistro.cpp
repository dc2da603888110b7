#include "serverregistro.h"

#include "options/opzionisalvate.h"
#include "registerfile/ingressoregistro.h"
#include "registerfile/schemaregistro.h"

#include <QRegularExpression>
#include <QSettings>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QUrl>
#include <QUrlQuery>
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

// The libpq parameters an address may carry after "?", as libpq itself
// reads them in a URL: encryption and the check of the server, a service
// of the service file, another password file. A password is never one.
const QStringList kParametri = {
    "sslmode",
    "sslrootcert",
    "sslcert",
    "sslkey",
    "sslcrl",
    "sslcrldir",
    "sslsni",
    "channel_binding",
    "gssencmode",
    "krbsrvname",
    "service",
    "passfile",
    "target_session_attrs",
};
const QStringList kSslmode = {"disable", "allow", "prefer", "require", "verify-ca", "verify-full"};

// libpq's messages, which are in English, as a teacher or a technician
// reads them; the first that matches. Qt's driver gives a statement's
// SQLSTATE in brackets.
struct Traduzione {
    const char* inglese;
    const char* italiano;
};
const Traduzione kTraduzioni[] = {
    // What a lab PC's technician meets first: the PC's password, missing or wrong.
    {"no password supplied", "questo utente non ha la password del server: va nel suo file "
                             "~/.pgpass (vedi il README, «For schools»)"},
    {"password authentication failed", "il server non accetta la password del file ~/.pgpass "
                                       "di questo utente"},
    {"(55P03)", "il server della scuola è occupato: un altro programma tiene bloccata una "
                "tabella del registro"},
    {"(57014)", "il server della scuola ha impiegato troppo a rispondere"},
    // A server prepared by an earlier program has no functions for the PCs.
    {"(42883)", "il server della scuola è di una versione precedente: il tecnico lo prepari di "
                "nuovo con vocario --registro-prepara"},
    {"(42501)", "il server della scuola non permette questa operazione a questo utente"},
    {"permission denied for database", "questo utente non può collegarsi al database del "
                                       "registro: il tecnico prepari il server con vocario "
                                       "--registro-prepara"},
    {"does not exist", "il server della scuola non conosce l'utente o il database indicato"},
    {"could not translate host name", "il nome del server della scuola non è conosciuto in "
                                      "questa rete"},
    {"Connection refused", "il server della scuola non accetta collegamenti (spento, o non in "
                           "ascolto su questa rete)"},
    {"timeout expired", "il server della scuola non risponde"},
    {"No route to host", "il server della scuola non si raggiunge da questa rete"},
    {"server closed the connection", "il server della scuola ha chiuso il collegamento"},
    {"certificate", "il certificato del server della scuola non si può verificare"},
    {"SSL", "il collegamento cifrato con il server della scuola non riesce"},
    {"no pg_hba.conf entry", "il server della scuola non accetta collegamenti da questo PC o "
                             "per questo utente (pg_hba.conf)"},
    {"definition of service", "il servizio indicato non è nel file dei servizi "
                              "(pg_service.conf)"},
};

// Why `url` cannot be used; nothing when it can.
std::optional<QString> difetto(const QUrl& url, const QList<std::pair<QString, QString>>& voci) {
    if (!url.isValid() || (url.scheme() != u"postgresql" && url.scheme() != u"postgres"))
        return QStringLiteral("non comincia con postgresql://");
    if (!url.password().isEmpty())
        return QStringLiteral("contiene una password, che va nel file ~/.pgpass");
    bool servizio = false;
    for (const auto& [chiave, valore] : voci) {
        if (!kParametri.contains(chiave))
            return QStringLiteral("il parametro «%1» non è tra quelli che Vocario passa al "
                                  "server (%2)")
                .arg(chiave, kParametri.join(QStringLiteral(", ")));
        // Qt's driver joins the parameters with blanks: a value is one word.
        if (valore.isEmpty() || valore.contains(QRegularExpression(QStringLiteral("[\\s'\\\\;]"))))
            return QStringLiteral("il valore di «%1» è vuoto o contiene spazi o apici").arg(chiave);
        if (chiave == u"sslmode" && !kSslmode.contains(valore))
            return QStringLiteral("sslmode vale uno tra %1")
                .arg(kSslmode.join(QStringLiteral(", ")));
        servizio = servizio || chiave == u"service";
    }
    // A service names host and database in the service file.
    if (!servizio && url.host().isEmpty())
        return QStringLiteral("manca il nome del server");
    if (!servizio && url.path().mid(1).isEmpty())
        return QStringLiteral("manca il nome del database");
    return std::nullopt;
}

QString opzioni(const Indirizzo& indirizzo) {
    // A server away or a cable pulled: given up in seconds, tried again later.
    QString testo = QStringLiteral("connect_timeout=3;keepalives_idle=5;keepalives_interval=2;"
                                   "keepalives_count=2;application_name=vocario");
    for (const QString& parametro : indirizzo.parametri)
        testo += u';' + parametro;
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

std::optional<Indirizzo> leggi(const QString& testo, QString* perche) {
    const QUrl url(testo, QUrl::StrictMode);
    const QList<std::pair<QString, QString>> voci = QUrlQuery(url).queryItems(QUrl::FullyDecoded);
    if (const std::optional<QString> motivo = difetto(url, voci)) {
        if (perche)
            *perche = *motivo;
        return std::nullopt;
    }
    Indirizzo indirizzo{.host = url.host(),
                        .porta = url.port(url.host().isEmpty() ? -1 : 5432),
                        .database = url.path().mid(1),
                        .utente = url.userName()};
    for (const auto& [chiave, valore] : voci)
        indirizzo.parametri << chiave + u'=' + valore;
    return indirizzo;
}

QString impostato(const QString& daRiga) {
    return IngressoRegistro::server(daRiga);
}

Indirizzo perInsegnante(Indirizzo indirizzo) {
    // A service that names the database leaves it unknown here: the
    // roles are then those of a database called vocario.
    indirizzo.utente = OpzioniSalvate::impostazioni()
                           .value(kChiaveInsegnante, ruoloInsegnante(indirizzo.database.isEmpty()
                                                                         ? QStringLiteral("vocario")
                                                                         : indirizzo.database))
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

std::optional<QList<Classe>> classi(QSqlDatabase& db) {
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT * FROM vocario_classi()")))
        return std::nullopt;
    return classiDaRighe(query);
}

QString motivo(const QString& testoDelDriver) {
    for (const Traduzione& t : kTraduzioni)
        if (testoDelDriver.contains(QLatin1String(t.inglese)))
            return QString::fromUtf8(t.italiano);
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
