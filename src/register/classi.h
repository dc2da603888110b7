#pragma once

#include <QList>
#include <QString>

namespace vocario {

/// A pupil as the register knows them: a first name or nickname in a class.
struct Alunno {
    qint64 id = 0;
    QString nome = {};
    QString classe = {};
};

struct Classe {
    qint64 id = 0;
    QString nome = {};
    QList<Alunno> alunni = {};
};

} // namespace vocario
