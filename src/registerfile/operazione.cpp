#include "operazione.h"

#include "nomiesercizi.h"
#include "pianoripasso.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <array>

namespace vocario {
namespace {

// INSERT OR IGNORE: a row written before (a retry, the journal read again)
// stays as it is and is not doubled.
const char* istruzione(Operazione::Tipo tipo) {
    switch (tipo) {
    case Operazione::Tipo::Risposta:
        return "INSERT OR IGNORE INTO risposte (id, quando, alunno, sessione, voce, dato, "
               "esatta, secondi) VALUES (?, ?, ?, ?, (SELECT id FROM voci WHERE esercizio = ? "
               "AND testo = ? AND elenco = ?), ?, ?, ?)";
    case Operazione::Tipo::InizioSessione:
        return "INSERT OR IGNORE INTO sessioni (id, inizio, alunno) VALUES (?, ?, ?)";
    case Operazione::Tipo::FineSessione:
        return "UPDATE sessioni SET fine = ? WHERE id = ?";
    case Operazione::Tipo::Apertura:
        return "INSERT OR IGNORE INTO aperture (id, inizio, sessione, esercizio) "
               "VALUES (?, ?, ?, ?)";
    case Operazione::Tipo::Chiusura:
        return "UPDATE aperture SET fine = ? WHERE id = ?";
    case Operazione::Tipo::Ripasso:
        break;
    }
    return "";
}

} // namespace

// A random (version 4) UUID from a generator of the calling thread, seeded
// once from the system's: the window's thread asks the system nothing per
// answer. 256 bits of seed make two PCs' sequences meet with no chance
// worth counting.
QByteArray Operazione::nuovoId() {
    thread_local QRandomGenerator64 generatore = [] {
        std::array<quint32, 8> seme{};
        QRandomGenerator::system()->fillRange(seme.data(), seme.size());
        return QRandomGenerator64(seme.data(), qsizetype(seme.size()));
    }();
    std::array<quint64, 2> bit{generatore.generate(), generatore.generate()};
    QByteArray id(reinterpret_cast<const char*>(bit.data()), 16);
    id[6] = char((id[6] & 0x0f) | 0x40); // version 4
    id[8] = char((id[8] & 0x3f) | 0x80); // RFC 4122 variant
    return id;
}

bool Operazione::scrivi(QSqlDatabase& db, QSqlError* errore) const {
    // The PC's copy of the schedule; a line that cannot be read is dropped,
    // as the answers it follows rebuild it.
    if (tipo == Tipo::Ripasso) {
        const std::optional<QList<VoceRipasso>> voci = PianoRipasso::daJson(dato.toUtf8());
        QString motivo;
        if (!voci || PianoRipasso::salva(db, alunno, *voci, &motivo))
            return true;
        if (errore)
            *errore = QSqlError(motivo, motivo, QSqlError::StatementError);
        return false;
    }
    // An answer from a journal made before a rename goes under the new name.
    const QString nome = NomiEsercizi::attuale(esercizio);
    QSqlQuery query(db);
    if (tipo == Tipo::Risposta) {
        query.prepare(QStringLiteral(
            "INSERT OR IGNORE INTO voci (esercizio, testo, elenco) VALUES (?, ?, ?)"));
        for (const QString& valore : {nome, voce, elenco})
            query.addBindValue(valore);
        if (!query.exec()) {
            if (errore)
                *errore = query.lastError();
            return false;
        }
    }
    query.prepare(QLatin1String(istruzione(tipo)));
    switch (tipo) {
    case Tipo::Risposta:
        for (const QVariant& valore :
             {QVariant(id), QVariant(quando), QVariant(alunno), QVariant(sessione), QVariant(nome),
              QVariant(voce), QVariant(elenco), QVariant(dato), QVariant(int(esatta)),
              QVariant(secondi)})
            query.addBindValue(valore);
        break;
    case Tipo::InizioSessione:
        query.addBindValue(id);
        query.addBindValue(quando);
        query.addBindValue(alunno);
        break;
    case Tipo::Apertura:
        query.addBindValue(id);
        query.addBindValue(quando);
        query.addBindValue(sessione);
        query.addBindValue(nome);
        break;
    case Tipo::FineSessione:
    case Tipo::Chiusura:
        query.addBindValue(quando);
        query.addBindValue(id);
        break;
    case Tipo::Ripasso:
        break;
    }
    if (query.exec())
        return true;
    // A pupil deleted meanwhile: their answers go with them, not into the file.
    if (query.lastError().databaseText().contains(QLatin1String("FOREIGN KEY")))
        return true;
    if (errore)
        *errore = query.lastError();
    return false;
}

QByteArray Operazione::inGiornale() const {
    QJsonObject riga{
        {"tipo", int(tipo)},
        {"id", QString::fromLatin1(id.toBase64())},
        {"quando", QString::number(quando)},
        {"alunno", QString::number(alunno)},
        {"sessione", QString::fromLatin1(sessione.toBase64())},
        {"esercizio", esercizio},
        {"voce", voce},
        {"elenco", elenco},
        {"dato", dato},
        {"esatta", esatta},
        {"secondi", secondi},
    };
    if (!nome.isEmpty()) {
        riga.insert(QLatin1String("classe"), classe);
        riga.insert(QLatin1String("nome"), nome);
        riga.insert(QLatin1String("registro"), registro);
    }
    return QJsonDocument(riga).toJson(QJsonDocument::Compact) + '\n';
}

std::optional<Operazione> Operazione::dalGiornale(const QByteArray& riga) {
    const QJsonObject o = QJsonDocument::fromJson(riga).object();
    if (o.isEmpty() || o.value("id").toString().isEmpty())
        return std::nullopt;
    const int tipo = o.value("tipo").toInt(-1);
    if (tipo < 0 || tipo > int(Tipo::Ripasso))
        return std::nullopt;
    return Operazione{
        .tipo = Tipo(tipo),
        .id = QByteArray::fromBase64(o.value("id").toString().toLatin1()),
        .quando = o.value("quando").toString().toLongLong(),
        .alunno = o.value("alunno").toString().toLongLong(),
        .sessione = QByteArray::fromBase64(o.value("sessione").toString().toLatin1()),
        .esercizio = o.value("esercizio").toString(),
        .voce = o.value("voce").toString(),
        .elenco = o.value("elenco").toString(),
        .dato = o.value("dato").toString(),
        .esatta = o.value("esatta").toBool(),
        .secondi = o.value("secondi").toDouble(),
        .classe = o.value("classe").toString(),
        .nome = o.value("nome").toString(),
        .registro = o.value("registro").toString(),
    };
}

} // namespace vocario
