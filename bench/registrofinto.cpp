#include "registrofinto.h"

#include "exercises/catalogo.h"
#include "register/registro.h"
#include "registerfile/operazione.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <QSqlQuery>

namespace vocario {

QList<qint64> riempiRegistro(Registro& registro, int quanti, int risposte) {
    const qint64 classe = registro.aggiungiClasse("3ª A");
    QList<qint64> alunni;
    for (int k = 0; k < quanti; ++k)
        alunni << registro.aggiungiAlunno(classe, QStringLiteral("Alunno %1").arg(k + 1));
    QStringList esercizi;
    for (const ExerciseEntry& entry : catalogoEsercizi())
        esercizi << QLatin1String(entry.nome);
    QRandomGenerator caso(42);
    constexpr qint64 kQuarantaSettimane = 40LL * 7 * 86400000;
    const qint64 inizio = QDateTime::currentMSecsSinceEpoch() - kQuarantaSettimane;
    QSqlDatabase db = registro.db();
    db.transaction();
    QSqlQuery query(db);
    query.prepare("INSERT INTO voci (esercizio, testo, elenco) VALUES (?, ?, 'programma')");
    for (const QString& esercizio : esercizi)
        for (int voce = 0; voce < 200; ++voce) {
            query.addBindValue(esercizio);
            query.addBindValue(QStringLiteral("parola%1 / contrario%1").arg(voce));
            query.exec();
        }
    query.prepare("INSERT INTO risposte (id, quando, alunno, sessione, voce, dato, esatta, "
                  "secondi) VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
    for (int i = 0; i < risposte; ++i) {
        query.addBindValue(Operazione::nuovoId());
        query.addBindValue(inizio + qint64(i) * (kQuarantaSettimane / risposte));
        query.addBindValue(alunni[int(caso.bounded(quanti))]);
        query.addBindValue(QByteArray(16, char(i / 50)));
        query.addBindValue(1 + int(caso.bounded(int(esercizi.size()) * 200)));
        query.addBindValue(QStringLiteral("parola%1").arg(caso.bounded(200)));
        query.addBindValue(caso.bounded(4) != 0);
        query.addBindValue(double(caso.bounded(200)) / 10);
        query.exec();
    }
    db.commit();
    QSqlQuery(db).exec("PRAGMA wal_checkpoint(TRUNCATE)");
    return alunni;
}

} // namespace vocario
