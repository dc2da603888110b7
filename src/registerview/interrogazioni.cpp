#include "interrogazioni.h"

#include "tabellevista.h"

#include <QHash>
#include <QLocale>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <limits>
#include <utility>

namespace vocario::Interrogazioni {
namespace {

thread_local QSqlError primoGuasto;

void nota(const QSqlQuery& query) {
    if (!primoGuasto.isValid() && query.lastError().isValid())
        primoGuasto = query.lastError();
}

QDateTime daMillisecondi(const QVariant& valore) {
    return QDateTime::fromMSecsSinceEpoch(valore.toLongLong());
}

// Whose answers: one pupil, or the pupils of a class.
QString filtro(qint64 alunno) {
    return alunno ? QStringLiteral("r.alunno = :alunno")
                  : QStringLiteral("r.alunno IN (SELECT id FROM alunni WHERE classe = :classe)");
}

// SQLite is told which index to read by (its planner, left alone, scans the
// answers by time); PostgreSQL chooses by its statistics. The rest of each
// statement is the same on both engines: a verdict is counted with CASE,
// as PostgreSQL keeps it as a boolean and SQLite as 0 or 1.
QString perIndice(const QSqlDatabase& db, const char* indice) {
    return db.driverName() == QLatin1String("QSQLITE")
               ? QStringLiteral("INDEXED BY %1").arg(QLatin1String(indice))
               : QString();
}

QSqlQuery esegui(const QSqlDatabase& db, const QString& sql, qint64 classe, qint64 alunno,
                 const QList<std::pair<QString, QVariant>>& altri = {}) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    // On the server the lock a statement meets comes with its preparing.
    if (!query.prepare(sql))
        return query;
    if (alunno)
        query.bindValue(QStringLiteral(":alunno"), alunno);
    else
        query.bindValue(QStringLiteral(":classe"), classe);
    for (const auto& [nome, valore] : altri)
        query.bindValue(nome, valore);
    query.exec();
    return query;
}

// "Anna (3)", or "Anna" for once.
QString volte(const QString& chi, int quante) {
    return quante > 1 ? QStringLiteral("%1 (%2)").arg(chi).arg(quante) : chi;
}

} // namespace

QList<VoceSbagliata> paroleSbagliate(const QSqlDatabase& db, qint64 classe, qint64 alunno,
                                     const FiltroParole& quali) {
    const QList<std::pair<QString, QVariant>> limiti{
        {QStringLiteral(":da"),
         quali.da.isValid() ? quali.da.toMSecsSinceEpoch() : std::numeric_limits<qint64>::min()},
        {QStringLiteral(":almeno"), std::max(1, quali.almeno)},
        {QStringLiteral(":elenco"), quali.elenco + u'%'}};
    // Only when asked: the items' lists are in voci, not in the index.
    const QString dellElenco =
        quali.elenco.isEmpty()
            ? QString()
            : QStringLiteral(" AND r.voce IN (SELECT id FROM voci WHERE elenco LIKE :elenco)");
    // One pass over the index by item, which holds everything the table needs.
    QSqlQuery query = esegui(
        db,
        QStringLiteral("SELECT p.voce, v.testo, v.esercizio, p.prove, p.errate, p.alunni, p.ultima "
                       "FROM (SELECT r.voce, count(*) AS prove, sum(CASE WHEN r.esatta "
                       "THEN 0 ELSE 1 END) AS errate, count(DISTINCT CASE WHEN NOT "
                       "r.esatta THEN r.alunno END) AS alunni, max(r.quando) AS ultima "
                       "FROM risposte r %2 WHERE %1 AND r.quando >= :da%3 GROUP BY r.voce "
                       "HAVING sum(CASE WHEN r.esatta THEN 0 ELSE 1 END) >= :almeno) p "
                       "JOIN voci v ON v.id = p.voce "
                       "ORDER BY p.errate DESC, p.alunni DESC, p.prove DESC, v.testo")
            .arg(filtro(alunno), perIndice(db, "risposte_per_voce"), dellElenco),
        classe, alunno, quali.elenco.isEmpty() ? limiti.mid(0, 2) : limiti);
    QList<VoceSbagliata> elenco;
    QHash<qint64, qsizetype> posto;
    while (query.next()) {
        posto.insert(query.value(0).toLongLong(), elenco.size());
        elenco.append({.voce = query.value(1).toString(),
                       .esercizio = query.value(2).toString(),
                       .prove = query.value(3).toInt(),
                       .errate = query.value(4).toInt(),
                       .alunni = query.value(5).toInt(),
                       .ultima = daMillisecondi(query.value(6))});
    }
    nota(query);
    if (elenco.isEmpty())
        return elenco;
    // Who missed each (of a pupil: what was answered), most often first.
    QSqlQuery chi = esegui(
        db,
        QStringLiteral("SELECT r.voce, %3, count(*) AS volte FROM risposte r %2%4 WHERE %1 AND "
                       "r.quando >= :da AND NOT r.esatta%5 GROUP BY r.voce, %3 "
                       "ORDER BY r.voce, volte DESC, %3")
            .arg(filtro(alunno), perIndice(db, "risposte_per_voce"),
                 alunno ? QStringLiteral("r.dato") : QStringLiteral("a.nome"),
                 alunno ? QString() : QStringLiteral(" JOIN alunni a ON a.id = r.alunno"),
                 dellElenco),
        classe, alunno,
        quali.elenco.isEmpty() ? limiti.mid(0, 1) : QList{limiti.at(0), limiti.at(2)});
    while (chi.next())
        if (const auto voce = posto.constFind(chi.value(0).toLongLong()); voce != posto.cend())
            elenco[*voce].chi << volte(chi.value(1).toString(), chi.value(2).toInt());
    nota(chi);
    return elenco;
}

QList<AlunnoEsercizio> alunniPerEsercizio(const QSqlDatabase& db, qint64 classe) {
    // An item's first answer is the one of least `quando`: quando * 2 plus
    // 1 when wrong keeps its verdict in the lowest bit, so one min() finds both.
    QSqlQuery query = esegui(
        db,
        QStringLiteral("SELECT p.alunno, a.nome, v.esercizio, count(*), sum(CASE WHEN p.prima % 2 "
                       "= 0 THEN 1 ELSE 0 END), max(p.ultima) FROM (SELECT r.alunno, r.voce, "
                       "min(r.quando * 2 + CASE WHEN r.esatta THEN 0 ELSE 1 END) AS prima, "
                       "max(r.quando) AS ultima FROM risposte r %2 WHERE %1 "
                       "GROUP BY r.alunno, r.voce) p JOIN voci v ON v.id = p.voce "
                       "JOIN alunni a ON a.id = p.alunno GROUP BY p.alunno, a.nome, v.esercizio "
                       "ORDER BY lower(a.nome), v.esercizio")
            .arg(filtro(0), perIndice(db, "risposte_per_alunno")),
        classe, 0);
    QList<AlunnoEsercizio> elenco;
    while (query.next())
        elenco.append({.alunno = query.value(0).toLongLong(),
                       .nome = query.value(1).toString(),
                       .esercizio = query.value(2).toString(),
                       .voci = query.value(3).toInt(),
                       .esatteAlPrimo = query.value(4).toInt(),
                       .ultima = daMillisecondi(query.value(5))});
    nota(query);
    return elenco;
}

QList<Settimana> progressi(const QSqlDatabase& db, qint64 alunno) {
    // Days counted from 1970-01-01 in local time; Mondays are day 4 modulo 7.
    const qint64 scarto = QDateTime::currentDateTime().offsetFromUtc() * 1000LL;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT (((quando + :scarto) / 86400000) + 3) / 7 AS settimana, "
                                 "count(*), sum(CASE WHEN esatta THEN 1 ELSE 0 END) FROM risposte "
                                 "WHERE alunno = :alunno "
                                 "GROUP BY settimana ORDER BY settimana"));
    query.bindValue(QStringLiteral(":scarto"), scarto);
    query.bindValue(QStringLiteral(":alunno"), alunno);
    query.exec();
    QList<Settimana> elenco;
    const QDate primoLunedi(1969, 12, 29);
    while (query.next())
        elenco.append({.lunedi = primoLunedi.addDays(query.value(0).toLongLong() * 7),
                       .risposte = query.value(1).toInt(),
                       .esatte = query.value(2).toInt()});
    nota(query);
    return elenco;
}

QList<QStringList> tutteLeRisposte(const QSqlDatabase& db, qint64 classe, qint64 alunno) {
    // On the school's server each answer says which PC sent it, by the
    // name that PC gives itself.
    const bool server = db.driverName() == QLatin1String("QPSQL");
    QList<QStringList> righe{{"Data e ora", "Classe", "Alunno", "Esercizio", "Voce", "Elenco",
                              "Risposta data", "Esatta", "Secondi"}};
    if (server)
        righe[0] << QStringLiteral("PC");
    QSqlQuery query =
        esegui(db,
               QStringLiteral(
                   "SELECT r.quando, c.nome, a.nome, v.esercizio, v.testo, v.elenco, r.dato, "
                   "r.esatta, r.secondi%1 FROM risposte r JOIN voci v ON v.id = r.voce JOIN alunni "
                   "a ON a.id = r.alunno JOIN classi c ON c.id = a.classe%2 WHERE %3 ORDER BY "
                   "r.quando")
                   .arg(server ? QStringLiteral(", coalesce(p.nome, '')") : QString(),
                        server ? QStringLiteral(" LEFT JOIN attese p ON p.pc = r.pc") : QString(),
                        filtro(alunno)),
               classe, alunno);
    while (query.next()) {
        righe.append({TabelleVista::perFoglio(daMillisecondi(query.value(0))),
                      query.value(1).toString(), query.value(2).toString(),
                      query.value(3).toString(), query.value(4).toString(),
                      query.value(5).toString() == QLatin1String("insegnante")
                          ? QStringLiteral("dell'insegnante")
                          : QStringLiteral("del programma"),
                      query.value(6).toString(),
                      query.value(7).toBool() ? QStringLiteral("sì") : QStringLiteral("no"),
                      QLocale(QLocale::Italian).toString(query.value(8).toDouble(), 'f', 1)});
        if (server)
            righe.back() << query.value(9).toString();
    }
    nota(query);
    return righe;
}

QList<std::pair<QString, QString>> elenchiDelleRisposte(const QSqlDatabase& db, qint64 classe) {
    QList<std::pair<QString, QString>> elenchi;
    QSqlQuery query = esegui(db,
                             QStringLiteral("SELECT DISTINCT v.elenco FROM voci v WHERE v.id IN "
                                            "(SELECT r.voce FROM risposte r WHERE %1) ORDER BY "
                                            "v.elenco DESC")
                                 .arg(filtro(0)),
                             classe, 0);
    QStringList dellaClasse;
    while (query.next()) {
        const QString elenco = query.value(0).toString();
        if (elenco == u"programma")
            elenchi.prepend({elenco, QStringLiteral("del programma")});
        else if (elenco == u"insegnante")
            elenchi.append({elenco, QStringLiteral("dell'insegnante")});
        // A class's list, whichever its versions: "classe:contrari.txt:".
        else if (const QString file = elenco.section(u':', 1, 1);
                 elenco.startsWith(u"classe:") && !dellaClasse.contains(file))
            dellaClasse << file;
    }
    nota(query);
    dellaClasse.sort();
    for (const QString& file : std::as_const(dellaClasse))
        elenchi.append(
            {QStringLiteral("classe:%1:").arg(file), QStringLiteral("della classe: %1").arg(file)});
    return elenchi;
}

QSqlError guasto() {
    return std::exchange(primoGuasto, QSqlError());
}

} // namespace vocario::Interrogazioni
