#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QStringList>

namespace vocario::Interrogazioni {

/// An item the class (or one pupil) has answered, with how it went.
struct VoceSbagliata {
    QString voce = {};
    QString esercizio = {};
    int prove = 0;
    int errate = 0;
    /// Pupils who missed it at least once.
    int alunni = 0;
    QDateTime ultima = {};
    /// Of a class: who missed it, most often first ("Anna (3)", "Bruno").
    /// Of a pupil: the wrong answers given, most often first ("basso (2)").
    /// The tables join them with "; ", as a name may hold a comma.
    QStringList chi = {};
};

/// Which answers count for the most missed words.
struct FiltroParole {
    /// Answers from this moment on; all when it is not valid.
    QDateTime da = {};
    /// An item missed fewer times than this is left out.
    int almeno = 1;
    /// Only the items of one list: "programma", "insegnante", or a class's
    /// list in every version, "classe:contrari.txt:"; all when empty.
    QString elenco = {};
};

/// The lists the answers of class `classe` were given on, as FiltroParole
/// takes them, each with its name for the teacher ("della classe:
/// contrari.txt"); the program's and the teacher's first.
QList<std::pair<QString, QString>> elenchiDelleRisposte(const QSqlDatabase& db, qint64 classe);

/// The items missed at least `filtro.almeno` times since `filtro.da`, most
/// missed first, of the class `classe`, or of the pupil `alunno` when given.
QList<VoceSbagliata> paroleSbagliate(const QSqlDatabase& db, qint64 classe, qint64 alunno = 0,
                                     const FiltroParole& filtro = {});

/// One pupil in one exercise.
struct AlunnoEsercizio {
    qint64 alunno = 0;
    QString nome = {};
    QString esercizio = {};
    /// Different items tried.
    int voci = 0;
    /// Items whose first answer was right.
    int esatteAlPrimo = 0;
    QDateTime ultima = {};
};

/// Every pupil of the class in every exercise they played, by name.
QList<AlunnoEsercizio> alunniPerEsercizio(const QSqlDatabase& db, qint64 classe);

/// A pupil's week: from its Monday, answers and right ones.
struct Settimana {
    QDate lunedi = {};
    int risposte = 0;
    int esatte = 0;
};
QList<Settimana> progressi(const QSqlDatabase& db, qint64 alunno);

/// Every answer of the class (or of the pupil), oldest first, as the
/// export writes them: headers first.
QList<QStringList> tutteLeRisposte(const QSqlDatabase& db, qint64 classe, qint64 alunno = 0);

/// The first error met by a reading above on this thread since the last
/// call (none: an invalid error), and forgets it: a damaged file is found
/// out while reading too.
QSqlError guasto();

} // namespace vocario::Interrogazioni
