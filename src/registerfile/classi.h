#pragma once

#include <QList>
#include <QString>

class QSqlQuery;

namespace vocario {

/// A pupil as the register knows them: a first name or nickname in a class.
struct Alunno {
    qint64 id = 0;
    QString nome = {};
    QString classe = {};
    bool operator==(const Alunno&) const = default;
};

struct Classe {
    qint64 id = 0;
    QString nome = {};
    QList<Alunno> alunni = {};
    /// The teacher's switch: the pupils' missed words come back until
    /// learnt (on by default).
    bool ripasso = true;
    bool operator==(const Classe&) const = default;
};

/// The classes of rows (class id, class name, pupil id, pupil name, and the
/// class's review switch when the row has it), ordered by class, as the PC's
/// file and the school's server both give them.
QList<Classe> classiDaRighe(QSqlQuery& righe);

/// The key of the file's settings under which a PC keeps the classes the
/// school's server gave last, for "Chi gioca?" when it is away.
inline constexpr char kClassiDelServer[] = "classi-del-server";

/// The classes as the PC keeps the server's last list, and back.
QByteArray classiInJson(const QList<Classe>& classi);
QList<Classe> classiDaJson(const QByteArray& testo);

} // namespace vocario
