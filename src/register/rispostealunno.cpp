#include "rispostealunno.h"

#include "registro.h"
#include "review/registrazioneripasso.h"

#include <QHash>
#include <QSqlQuery>

namespace vocario {

QList<RispostaRipasso> risposteDellAlunno(const QSqlDatabase& db, qint64 alunno) {
    // The items once, then the answers from the pupil's index alone: each
    // answer shares its item's strings rather than reading them again.
    struct Voce {
        QString esercizio;
        QString testo;
    };
    QHash<qint64, Voce> voci;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT id, esercizio, testo FROM voci")))
        return {};
    while (query.next())
        voci.insert(query.value(0).toLongLong(),
                    {query.value(1).toString(), query.value(2).toString()});
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT quando, voce, esatta FROM risposte INDEXED BY "
                                 "risposte_per_alunno WHERE alunno = ? ORDER BY quando, rowid"));
    query.addBindValue(alunno);
    if (!query.exec())
        return {};
    QList<RispostaRipasso> risposte;
    while (query.next()) {
        const auto voce = voci.constFind(query.value(1).toLongLong());
        if (voce == voci.constEnd())
            continue;
        risposte.append({.quando = query.value(0).toLongLong(),
                         .esercizio = voce->esercizio,
                         .voce = voce->testo,
                         .esatta = query.value(2).toInt() != 0});
    }
    return risposte;
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
