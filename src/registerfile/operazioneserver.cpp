#include "operazione.h"

#include "nomiesercizi.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace vocario {
namespace {

QVariant uuid(const QByteArray& id) {
    if (id.isEmpty())
        return QVariant(QMetaType::fromType<QString>());
    return QUuid::fromRfc4122(id).toString(QUuid::WithoutBraces);
}

// ON CONFLICT DO NOTHING: an answer the server already has (a retry, a
// batch whose confirmation was lost) stays as it is. The SELECT ... WHERE
// drops a row whose pupil or session the teacher deleted meanwhile. Every
// value is cast: the statements are prepared before the values are known.
const char* istruzioneServer(Operazione::Tipo tipo) {
    switch (tipo) {
    case Operazione::Tipo::Risposta:
        return "INSERT INTO risposte (id, quando, alunno, sessione, voce, dato, esatta, secondi)"
               " SELECT CAST(? AS uuid), CAST(? AS bigint), a.id, CAST(? AS uuid), v.id,"
               " CAST(? AS text), CAST(? AS boolean), CAST(? AS double precision)"
               " FROM alunni a, voci v WHERE a.id = CAST(? AS bigint) AND v.esercizio = CAST(? AS"
               " text) AND v.testo = CAST(? AS text) AND v.elenco = CAST(? AS text)"
               " ON CONFLICT (id) DO NOTHING";
    case Operazione::Tipo::InizioSessione:
        return "INSERT INTO sessioni (id, inizio, alunno) SELECT CAST(? AS uuid),"
               " CAST(? AS bigint), a.id FROM alunni a WHERE a.id = CAST(? AS bigint)"
               " ON CONFLICT (id) DO NOTHING";
    case Operazione::Tipo::FineSessione:
        return "UPDATE sessioni SET fine = CAST(? AS bigint) WHERE id = CAST(? AS uuid)";
    case Operazione::Tipo::Apertura:
        return "INSERT INTO aperture (id, inizio, esercizio, sessione) SELECT CAST(? AS uuid),"
               " CAST(? AS bigint), CAST(? AS text), s.id FROM sessioni s"
               " WHERE s.id = CAST(? AS uuid) ON CONFLICT (id) DO NOTHING";
    case Operazione::Tipo::Chiusura:
        return "UPDATE aperture SET fine = CAST(? AS bigint) WHERE id = CAST(? AS uuid)";
    }
    return "";
}

QVariantList valori(const Operazione& o, const QString& nome) {
    switch (o.tipo) {
    case Operazione::Tipo::Risposta:
        return {uuid(o.id), o.quando, uuid(o.sessione), o.dato,  o.esatta, o.secondi,
                o.alunno,   nome,     o.voce,           o.elenco};
    case Operazione::Tipo::InizioSessione:
        return {uuid(o.id), o.quando, o.alunno};
    case Operazione::Tipo::Apertura:
        return {uuid(o.id), o.quando, nome, uuid(o.sessione)};
    case Operazione::Tipo::FineSessione:
    case Operazione::Tipo::Chiusura:
        return {o.quando, uuid(o.id)};
    }
    return {};
}

bool esegui(QSqlQuery& query, const QString& testo, const QVariantList& valori, QString* errore) {
    // The server plans the statement at prepare(), so a table another
    // client holds, or the server's time limit, is met there: its reason
    // is that one, not the failed EXECUTE that would follow.
    const bool preparata = query.prepare(testo);
    for (const QVariant& valore : valori)
        query.addBindValue(valore);
    if (preparata && query.exec())
        return true;
    if (errore)
        *errore = query.lastError().text();
    return false;
}

} // namespace

bool Operazione::scriviSulServer(QSqlDatabase& db, QString* errore) const {
    // An answer from a journal made before a rename goes under the new name.
    const QString nome = NomiEsercizi::attuale(esercizio);
    QSqlQuery query(db);
    if (tipo == Tipo::Risposta &&
        !esegui(query,
                QStringLiteral("INSERT INTO voci (esercizio, testo, elenco) VALUES (CAST(? AS "
                               "text), CAST(? AS text), CAST(? AS text)) ON CONFLICT DO NOTHING"),
                {nome, voce, elenco}, errore))
        return false;
    return esegui(query, QLatin1String(istruzioneServer(tipo)), valori(*this, nome), errore);
}

} // namespace vocario
