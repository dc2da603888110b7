#pragma once

#include "registerfile/classi.h"
#include "review/ripasso.h"

#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QStringList>

class QStandardItemModel;

namespace vocario::RipassoVista {

/// A pupil's review in one exercise: the words answered and not learnt,
/// and the words learnt, each in alphabetical order.
struct AlunnoEsercizio {
    qint64 alunno = 0;
    QString nome = {};
    QString esercizio = {};
    QStringList inRipasso = {};
    QStringList imparate = {};
};

/// A word the class has missed, and where its pupils who missed it stand.
struct ParolaSbagliata {
    QString voce = {};
    QString esercizio = {};
    int errate = 0;
    /// Pupils who missed it at least once: still in their review, or
    /// learnt since.
    int alunni = 0;
    int ancora = 0;
    int imparata = 0;
};

/// The class's review, derived with the scheduler from each pupil's answers.
struct Classe {
    bool letto = false;
    QHash<qint64, Ripasso> ripassi = {};
    QList<AlunnoEsercizio> alunni = {};
    /// Most missed first.
    QList<ParolaSbagliata> parole = {};
};

/// Reads the class's answers in one statement (the PC's file or the
/// school's server) and rebuilds each pupil's review.
Classe leggi(const QSqlDatabase& db, const vocario::Classe& classe);

/// The view's tables, as the other tables of "Registro" fill theirs.
void riempiAlunni(QStandardItemModel* modello, const Classe& classe);
void riempiParole(QStandardItemModel* modello, const Classe& classe);
/// The pupils' table for the printed summary: a printed row is never split
/// across pages, and a class's lists would fill hundreds, so each cell
/// names its first `alPiu` words and how many more the CSV has. Headers first.
QList<QStringList> righeAlunniPerStampa(const Classe& classe, int alPiu = 10);
/// One pupil's words, every one answered, with its place in the review.
void riempiParoleDellAlunno(QStandardItemModel* modello, const Ripasso& ripasso);

} // namespace vocario::RipassoVista
