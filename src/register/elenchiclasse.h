#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <optional>

namespace vocario {

struct AppState;
class Registro;

/// The word lists a teacher gives a class, kept in the register (every
/// version, for the answers given on each), and read by its pupils on any
/// PC first, before the PC's teacher's folder and the program's lists.
namespace ElenchiClasse {

/// A list the class has now.
struct Elenco {
    QString file;
    int versione = 0;
    QDateTime quando = {};
};

/// The lists class `classe` has now, as `db` holds them: the server's in
/// the teacher's view, the PC file's (or its copy of the server's)
/// otherwise.
QList<Elenco> attuali(const QSqlDatabase& db, qint64 classe);

/// How an answer names the class's list it was given on: "classe:contrari.txt:3".
QString nelRegistro(const QString& file, int versione);

/// The seven lists' file names, as the exercises read them.
QStringList nomiDegliElenchi();

struct Esito {
    bool ok = false;
    /// Italian: what was done, or why nothing was (the checker's report).
    QString messaggio;
};

/// Gives class `classe` the lists of `cartella` that the exercises read,
/// once the checker has read them as the exercises will (with the lists of
/// `programma` for those the folder lacks). A folder with an error in one
/// of its lists gives none, and says why.
Esito daiDaCartella(Registro& registro, qint64 classe, const QString& cartella,
                    const QString& programma);
/// The class goes back to the program's lists (and the PC's teacher's
/// folder): all of them, or `file` alone.
Esito tornaAlProgramma(Registro& registro, qint64 classe, const QString& file = {});

/// What a pupil of the class plays with on this PC: the class's lists
/// written from the PC's file into a folder of their own, and each one's
/// version. No folder when the class has none.
struct PerGiocare {
    QString cartella = {};
    QHash<QString, int> versioni = {};
};
PerGiocare prepara(const QSqlDatabase& file, const QString& cartellaRegistro, qint64 classe);

/// A worksheet for class `classe` (its name): the class's lists written
/// into a folder, from the register the program would open (the school's
/// server, as the teacher's role, when one is set). No folder when the
/// class has no lists of its own; the reason, in Italian, when the class
/// cannot be found.
struct PerLaScheda {
    QString cartella = {};
    QString errore = {};
};
PerLaScheda perLaScheda(const AppState& stato, const QString& classe);
/// The classes a worksheet may be made for: none when no register is set
/// up on this PC (none is made for asking).
QStringList classiDelRegistro(const AppState& stato);

/// The sender's part, off the window's thread: brings into the PC's file
/// the lists the server has that it has not (a few bytes asked when none
/// changed); true when it could read them, `cambiati` when any came.
bool copiaDalServer(QSqlDatabase& server, QSqlDatabase& file, QString* motivo,
                    bool* cambiati = nullptr);

} // namespace ElenchiClasse
} // namespace vocario
