#include "rispostealunno.h"

#include "mittenteregistro.h"
#include "registerfile/pianoripasso.h"
#include "registro.h"
#include "review/registrazioneripasso.h"

#include <QDateTime>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <mutex>

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

namespace {

// The server's copy of a pupil's schedule, from the sender's thread to the
// window's, which takes it between deals.
struct Arrivo {
    std::mutex mutex;
    std::optional<QList<VoceRipasso>> voci;
};

// A lab's PC: the answers leave the file, the schedule is kept beside
// them. The PC's copy serves at once; the server's, asked for now, joins
// it when it comes (before the first deal, unless the server is slow or
// away); the items the pupil's answers change go after those answers
// through the same outbox.
std::unique_ptr<Registrazione> conRipassoDelServer(Registro& registro, const Alunno& alunno) {
    auto arrivo = std::make_shared<Arrivo>();
    if (MittenteRegistro* mittente = registro.mittente())
        mittente->chiediRipasso(alunno.id, [arrivo](QList<VoceRipasso> voci) {
            std::lock_guard lock(arrivo->mutex);
            arrivo->voci = std::move(voci);
        });
    CondivisioneRipasso condivisione{
        .salva =
            [&scrittore = registro.scrittore(), alunno](const QList<VoceRipasso>& voci) {
                scrittore.accoda({.tipo = Operazione::Tipo::Ripasso,
                                  .id = Operazione::nuovoId(),
                                  .quando = QDateTime::currentMSecsSinceEpoch(),
                                  .alunno = alunno.id,
                                  .dato = QString::fromUtf8(PianoRipasso::inJson(voci)),
                                  .classe = alunno.classe,
                                  .nome = alunno.nome});
            },
        .arrivato =
            [arrivo] {
                std::lock_guard lock(arrivo->mutex);
                return std::exchange(arrivo->voci, std::nullopt);
            },
    };
    return std::make_unique<RegistrazioneRipasso>(
        registro.registrazionePer(alunno),
        Ripasso::daPiano(PianoRipasso::leggi(registro.db(), alunno.id)), SceltaRipasso::Orologio(),
        std::move(condivisione));
}

} // namespace

std::unique_ptr<Registrazione> registrazioneConRipasso(Registro& registro, const Alunno& alunno) {
    // A class whose teacher switched the review off deals as a guest's.
    for (const Classe& classe : registro.classiPerChiGioca())
        if (classe.nome == alunno.classe && !classe.ripasso)
            return registro.registrazionePer(alunno);
    if (registro.suServer() && alunno.id > 0)
        return conRipassoDelServer(registro, alunno);
    return std::make_unique<RegistrazioneRipasso>(
        registro.registrazionePer(alunno),
        Ripasso::daRisposte(risposteDellAlunno(registro.db(), alunno.id)));
}

} // namespace vocario
