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

// Each row goes through the server's function for it, which checks it and
// keeps an answer the server already has (a retry, a batch whose
// confirmation was lost) as it is. Every value is cast: the statements are
// prepared before the values are known.
const char* istruzioneServer(Operazione::Tipo tipo) {
    switch (tipo) {
    case Operazione::Tipo::Risposta:
        return "SELECT vocario_risposta(CAST(? AS uuid), CAST(? AS bigint), CAST(? AS uuid),"
               " CAST(? AS bigint), CAST(? AS text), CAST(? AS text), CAST(? AS text),"
               " CAST(? AS text), CAST(? AS boolean), CAST(? AS double precision),"
               " CAST(? AS uuid))";
    case Operazione::Tipo::InizioSessione:
        return "SELECT vocario_inizio_sessione(CAST(? AS uuid), CAST(? AS bigint),"
               " CAST(? AS bigint), CAST(? AS uuid))";
    case Operazione::Tipo::FineSessione:
        return "SELECT vocario_fine_sessione(CAST(? AS uuid), CAST(? AS bigint), CAST(? AS uuid))";
    case Operazione::Tipo::Apertura:
        return "SELECT vocario_apertura(CAST(? AS uuid), CAST(? AS bigint), CAST(? AS text),"
               " CAST(? AS uuid), CAST(? AS uuid))";
    case Operazione::Tipo::Chiusura:
        return "SELECT vocario_chiusura(CAST(? AS uuid), CAST(? AS bigint), CAST(? AS uuid))";
    case Operazione::Tipo::Ripasso:
        return "SELECT vocario_salva_ripasso(CAST(? AS bigint), CAST(? AS text), CAST(? AS uuid))";
    }
    return "";
}

QVariantList valori(const Operazione& o, const QString& nome, const QVariant& pc) {
    switch (o.tipo) {
    case Operazione::Tipo::Risposta:
        return {uuid(o.id), o.quando, uuid(o.sessione), o.alunno,  nome, o.voce,
                o.elenco,   o.dato,   o.esatta,         o.secondi, pc};
    case Operazione::Tipo::InizioSessione:
        return {uuid(o.id), o.quando, o.alunno, pc};
    case Operazione::Tipo::Apertura:
        return {uuid(o.id), o.quando, nome, uuid(o.sessione), pc};
    case Operazione::Tipo::FineSessione:
    case Operazione::Tipo::Chiusura:
        return {uuid(o.id), o.quando, pc};
    case Operazione::Tipo::Ripasso:
        return {o.alunno, o.dato, pc};
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

bool Operazione::scriviSulServer(QSqlDatabase& db, const QString& pc, QString* errore,
                                 QString* rifiuto) const {
    // An answer from a journal made before a rename goes under the new name.
    const QString nome = NomiEsercizi::attuale(esercizio);
    QSqlQuery query(db);
    if (!esegui(query, QLatin1String(istruzioneServer(tipo)), valori(*this, nome, pc), errore))
        return false;
    if (rifiuto)
        *rifiuto = query.next() ? query.value(0).toString() : QString();
    return true;
}

} // namespace vocario
