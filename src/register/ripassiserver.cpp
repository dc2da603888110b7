#include "registerfile/pianoripasso.h"
#include "serverregistro.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>

namespace vocario::ServerRegistro {
namespace {

// One pupil's answers, oldest first, each sharing its item's strings.
std::optional<QList<RispostaRipasso>> risposteDi(QSqlDatabase& db, qint64 alunno) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT r.quando, v.esercizio, v.testo, r.esatta, r.voce FROM"
                                 " risposte r JOIN voci v ON v.id = r.voce WHERE r.alunno = ?"
                                 " ORDER BY r.quando, r.id"));
    query.addBindValue(alunno);
    if (!query.exec())
        return std::nullopt;
    QHash<qint64, std::pair<QString, QString>> voci;
    QList<RispostaRipasso> risposte;
    while (query.next()) {
        auto voce = voci.find(query.value(4).toLongLong());
        if (voce == voci.end())
            voce = voci.insert(query.value(4).toLongLong(),
                               {query.value(1).toString(), query.value(2).toString()});
        risposte.append({.quando = query.value(0).toLongLong(),
                         .esercizio = voce->first,
                         .voce = voce->second,
                         .esatta = query.value(3).toBool()});
    }
    return risposte;
}

} // namespace

std::optional<QString> ricostruisciRipassi(QSqlDatabase& db) {
    const auto fallito = [](const QSqlQuery& q) {
        return QStringLiteral("I ripassi degli alunni non si possono ricostruire (%1).")
            .arg(q.lastError().text());
    };
    QSqlQuery alunni(db);
    if (!alunni.exec(QStringLiteral("SELECT id FROM alunni ORDER BY id")))
        return fallito(alunni);
    QList<qint64> ids;
    while (alunni.next())
        ids.append(alunni.value(0).toLongLong());
    // One pupil a transaction: a PC that sends meanwhile waits for one
    // pupil's rows, never for the whole school's.
    for (const qint64 alunno : std::as_const(ids)) {
        const std::optional<QList<RispostaRipasso>> risposte = risposteDi(db, alunno);
        QSqlQuery query(db);
        if (!risposte)
            return fallito(query);
        const QByteArray piano = PianoRipasso::inJson(Ripasso::daRisposte(*risposte).piano());
        bool ok = db.transaction();
        query.prepare(QStringLiteral("DELETE FROM ripassi WHERE alunno = ?"));
        query.addBindValue(alunno);
        ok = ok && query.exec();
        query.prepare(QStringLiteral(
            "INSERT INTO ripassi (alunno, esercizio, voce, fase, scatola, scade, mostrata,"
            " ultima, esatta, numero, aggiornato) SELECT CAST(? AS bigint), r.e, r.v, r.f, r.s,"
            " r.d, r.m, r.u, r.x, r.n, (extract(epoch FROM clock_timestamp()) * 1000)::bigint"
            " FROM jsonb_to_recordset(CAST(? AS jsonb)) AS r(e text, v text, f smallint,"
            " s smallint, d bigint, m bigint, u bigint, x boolean, n integer)"));
        query.addBindValue(alunno);
        query.addBindValue(QString::fromUtf8(piano));
        ok = ok && query.exec() && db.commit();
        if (!ok) {
            const QString errore = fallito(query);
            db.rollback();
            return errore;
        }
    }
    return std::nullopt;
}

} // namespace vocario::ServerRegistro
