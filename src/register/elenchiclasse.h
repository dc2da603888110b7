#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <optional>

namespace vocario {

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

/// What a pupil of the class plays with on this PC: the class's lists
/// written from the PC's file into a folder of their own, and each one's
/// version. No folder when the class has none.
struct PerGiocare {
    QString cartella = {};
    QHash<QString, int> versioni = {};
};
PerGiocare prepara(const QSqlDatabase& file, const QString& cartellaRegistro, qint64 classe);

/// The sender's part, off the window's thread: brings into the PC's file
/// the lists the server has that it has not (a few bytes asked when none
/// changed); true when it could read them, `cambiati` when any came.
bool copiaDalServer(QSqlDatabase& server, QSqlDatabase& file, QString* motivo,
                    bool* cambiati = nullptr);

} // namespace ElenchiClasse
} // namespace vocario
