#pragma once

#include "registerfile/classi.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <chrono>
#include <memory>
#include <optional>

namespace vocario::ServerRegistro {

/// The school's server, as `postgresql://utente@host:porta/database`, with
/// libpq's own parameters after "?" (`?sslmode=verify-full`, or a service
/// of the service file: `postgresql://vocario_pc@/?service=scuola`). The
/// password is never part of it: libpq reads it from the user's password
/// file (~/.pgpass, or the file PGPASSFILE names).
struct Indirizzo {
    QString host = {};
    int porta = 5432;
    QString database = {};
    QString utente = {};
    /// "chiave=valore", as libpq takes them.
    QStringList parametri = {};
    /// How long the server may spend on one statement, and wait for a table
    /// another client holds, before it gives the statement up; zero: as long
    /// as it takes (the technician's set-up may rebuild a year's indexes).
    std::chrono::milliseconds limiteIstruzione{0};
    std::chrono::milliseconds limiteBlocco{0};
};

/// Reads an address; nothing, with the reason in Italian in `perche`, when
/// it is not a PostgreSQL address, carries a password or a parameter that
/// is not libpq's connection's own.
std::optional<Indirizzo> leggi(const QString& testo, QString* perche = nullptr);

/// The server set for this run: `--registro` when given, else the user's
/// settings (the teacher's), else the system-wide file the technician
/// writes (/etc/xdg/vocario/vocario.conf, key registro/server). Empty when
/// none is set: the register stays on the PC.
QString impostato(const QString& daRiga);

/// The same server as the teacher's role sees it, for the teacher's view:
/// the user is the database's teacher's role (vocario_insegnante for the
/// database vocario), or the one the setting registro/insegnante names; its password too is in the
/// teacher's own ~/.pgpass. Its statements are given up after 30 s, or after 10 s waiting for a
/// table another client holds, so that no client can freeze the view.
Indirizzo perInsegnante(Indirizzo indirizzo);

/// Opens a connection named `connessione` (one per thread). Gives up after
/// a few seconds, also when the network goes mid-statement.
QSqlDatabase apri(const Indirizzo& indirizzo, const QString& connessione, QString* errore);

/// The two roles of a database: the pupils' PCs (DATABASE_pc) and the
/// teacher (DATABASE_insegnante), so that two schools' databases on one
/// server never share one.
QString ruoloPc(const QString& database);
QString ruoloInsegnante(const QString& database);

/// The owner's set-up: the schema and the two roles with their rights.
/// The PCs' role reaches the tables only through the functions that add
/// its rows and read the classes; only the two roles connect to the
/// database. Harmless when run again. `database`: the database prepared.
std::optional<QString> prepara(QSqlDatabase& db, QString* database = nullptr);

/// Every pupil's schedule rebuilt from their answers on the server (all
/// PCs' answers in time order), in place of what the PCs sent: the
/// technician's --registro-prepara does it, as the owner. The reason, in
/// Italian, when it could not.
std::optional<QString> ricostruisciRipassi(QSqlDatabase& db);

/// The server's classes and pupils; nothing when it cannot be read.
std::optional<QList<Classe>> classi(QSqlDatabase& db);

/// The driver's text for a failed statement, as the teacher reads it: a
/// statement the server gave up for a lock or for its time in Italian,
/// any other as it is.
QString motivo(const QString& testoDelDriver);

/// Ends, from another thread, the statement an open connection waits on:
/// the server is asked to cancel it (dropping its locks), and the
/// connection's socket is shut, so that the waiting thread returns at once
/// whatever the server does. The connection is of no use afterwards.
class Interruzione {
  public:
    /// Made on the connection's own thread, once it is open; nothing when
    /// it is not a PostgreSQL connection.
    static std::optional<Interruzione> per(const QSqlDatabase& db);
    /// From any thread, while the connection is still open.
    void interrompi() const;

  private:
    Interruzione(std::shared_ptr<void> annullamento, int presa);

    /// libpq's PGcancel: shared with the request's own thread.
    std::shared_ptr<void> annullamento_;
    int presa_ = -1;
};

} // namespace vocario::ServerRegistro
