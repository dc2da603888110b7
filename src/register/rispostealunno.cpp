#include "rispostealunno.h"

#include "registro.h"
#include "review/registrazioneripasso.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>

namespace vocario {
namespace {

struct Voce {
    QString esercizio;
    QString testo;
};

// The items once: each answer shares its item's strings rather than
// reading them again.
std::optional<QHash<qint64, Voce>> leggiVoci(const QSqlDatabase& db) {
    QHash<qint64, Voce> voci;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT id, esercizio, testo FROM voci")))
        return std::nullopt;
    while (query.next())
        voci.insert(query.value(0).toLongLong(),
                    {query.value(1).toString(), query.value(2).toString()});
    return voci;
}

bool suFile(const QSqlDatabase& db) {
    return db.driverName() == QLatin1String("QSQLITE");
}

} // namespace

QList<RispostaRipasso> risposteDellAlunno(const QSqlDatabase& db, qint64 alunno) {
    const std::optional<QHash<qint64, Voce>> voci = leggiVoci(db);
    if (!voci)
        return {};
    // The answers from the pupil's index alone. The file keeps the order
    // they were written in; the server has no such order, and two answers
    // of one pupil in one millisecond are two items at once at most.
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(suFile(db)
                      ? QStringLiteral("SELECT quando, voce, esatta FROM risposte INDEXED BY "
                                       "risposte_per_alunno WHERE alunno = ? ORDER BY "
                                       "quando, rowid")
                      : QStringLiteral("SELECT quando, voce, esatta FROM risposte WHERE "
                                       "alunno = ? ORDER BY quando"));
    query.addBindValue(alunno);
    if (!query.exec())
        return {};
    QList<RispostaRipasso> risposte;
    while (query.next()) {
        const auto voce = voci->constFind(query.value(1).toLongLong());
        if (voce == voci->constEnd())
            continue;
        // toBool: 0 or 1 in the file, a boolean on the server.
        risposte.append({.quando = query.value(0).toLongLong(),
                         .esercizio = voce->esercizio,
                         .voce = voce->testo,
                         .esatta = query.value(2).toBool()});
    }
    return risposte;
}

std::optional<QHash<qint64, QList<RispostaRipasso>>> risposteDellaClasse(const QSqlDatabase& db,
                                                                         qint64 classe) {
    const std::optional<QHash<qint64, Voce>> voci = leggiVoci(db);
    if (!voci)
        return std::nullopt;
    // One pass over the pupils' index, in its order (pupil, item, time): an
    // item's answers come in time, which is all the review's state of an
    // item depends on; Ripasso::daRisposte puts each pupil's in time.
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(
        QStringLiteral("SELECT alunno, quando, voce, esatta FROM risposte %1 WHERE "
                       "alunno IN (SELECT id FROM alunni WHERE classe = ?)")
            .arg(suFile(db) ? QStringLiteral("INDEXED BY risposte_per_alunno") : QString()));
    query.addBindValue(classe);
    if (!query.exec())
        return std::nullopt;
    QHash<qint64, QList<RispostaRipasso>> perAlunno;
    qint64 ultimo = -1;
    QList<RispostaRipasso>* risposte = nullptr;
    while (query.next()) {
        const auto voce = voci->constFind(query.value(2).toLongLong());
        if (voce == voci->constEnd())
            continue;
        if (const qint64 alunno = query.value(0).toLongLong(); alunno != ultimo || !risposte) {
            ultimo = alunno;
            risposte = &perAlunno[alunno];
        }
        risposte->append({.quando = query.value(1).toLongLong(),
                          .esercizio = voce->esercizio,
                          .voce = voce->testo,
                          .esatta = query.value(3).toBool()});
    }
    if (query.lastError().isValid())
        return std::nullopt;
    return perAlunno;
}

std::unique_ptr<Registrazione> registrazioneConRipasso(Registro& registro, const Alunno& alunno) {
    // A class whose teacher switched the review off deals as a guest's.
    for (const Classe& classe : registro.classiPerChiGioca())
        if (classe.nome == alunno.classe && !classe.ripasso)
            return registro.registrazionePer(alunno);
    return std::make_unique<RegistrazioneRipasso>(
        registro.registrazionePer(alunno),
        Ripasso::daRisposte(risposteDellAlunno(registro.db(), alunno.id)));
}

} // namespace vocario
