#include "pianoripasso.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlError>
#include <QSqlQuery>

namespace vocario::PianoRipasso {
namespace {

using Fase = StatoVoce::Fase;

// The milliseconds as text: a JSON number holds them, but not every reader
// keeps 64 bits of one.
QJsonValue ms(qint64 valore) {
    return QString::number(valore);
}

std::optional<qint64> ms(const QJsonValue& valore) {
    bool ok = false;
    const qint64 n = valore.toString().toLongLong(&ok);
    return ok ? std::optional(n) : std::nullopt;
}

} // namespace

QByteArray inJson(const QList<VoceRipasso>& voci) {
    QJsonArray righe;
    for (const VoceRipasso& v : voci)
        righe.append(QJsonObject{{"e", v.esercizio},
                                 {"v", v.voce},
                                 {"f", int(v.stato.fase)},
                                 {"s", v.stato.scatola},
                                 {"d", ms(v.stato.scade)},
                                 {"m", ms(v.stato.mostrata)},
                                 {"u", ms(v.stato.ultimaRisposta)},
                                 {"x", v.stato.ultimaEsatta},
                                 {"n", v.stato.numeroMostra}});
    return QJsonDocument(righe).toJson(QJsonDocument::Compact);
}

std::optional<QList<VoceRipasso>> daJson(const QByteArray& testo) {
    const QJsonDocument documento = QJsonDocument::fromJson(testo);
    if (!documento.isArray() || documento.array().size() > kVociAlPiu)
        return std::nullopt;
    QList<VoceRipasso> voci;
    for (const QJsonValue& riga : documento.array()) {
        const QJsonObject o = riga.toObject();
        const int fase = o.value("f").toInt(-1);
        const int scatola = o.value("s").toInt(-1);
        const auto scade = ms(o.value("d")), mostrata = ms(o.value("m")), ultima = ms(o.value("u"));
        if (o.value("e").toString().isEmpty() || o.value("v").toString().isEmpty() || fase < 0 ||
            fase > int(Fase::Imparata) || scatola < 0 ||
            scatola >= int(std::size(Ripasso::kIntervalli)) || !scade || !mostrata || !ultima ||
            !o.value("x").isBool() || o.value("n").toInt(-1) < 0)
            return std::nullopt;
        voci.append({.esercizio = o.value("e").toString(),
                     .voce = o.value("v").toString(),
                     .stato = {.fase = Fase(fase),
                               .scatola = scatola,
                               .scade = *scade,
                               .mostrata = *mostrata,
                               .ultimaRisposta = *ultima,
                               .ultimaEsatta = o.value("x").toBool(),
                               .numeroMostra = o.value("n").toInt()}});
    }
    return voci;
}

bool salva(QSqlDatabase& db, qint64 alunno, const QList<VoceRipasso>& voci, QString* errore) {
    QSqlQuery query(db);
    // The same rule as the server's: an item answered later elsewhere stays.
    query.prepare(QStringLiteral(
        "INSERT INTO ripassi (alunno, esercizio, voce, fase, scatola, scade, mostrata, ultima, "
        "esatta, numero) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (alunno, esercizio, "
        "voce) DO UPDATE SET fase = excluded.fase, scatola = excluded.scatola, scade = "
        "excluded.scade, mostrata = excluded.mostrata, ultima = excluded.ultima, esatta = "
        "excluded.esatta, numero = excluded.numero WHERE excluded.ultima >= ripassi.ultima"));
    for (const VoceRipasso& v : voci) {
        for (const QVariant& valore :
             {QVariant(alunno), QVariant(v.esercizio), QVariant(v.voce),
              QVariant(int(v.stato.fase)), QVariant(v.stato.scatola), QVariant(v.stato.scade),
              QVariant(v.stato.mostrata), QVariant(v.stato.ultimaRisposta),
              QVariant(int(v.stato.ultimaEsatta)), QVariant(v.stato.numeroMostra)})
            query.addBindValue(valore);
        if (!query.exec()) {
            if (errore)
                *errore = query.lastError().text();
            return false;
        }
    }
    return true;
}

std::optional<VoceRipasso> dallaRiga(const QSqlQuery& riga) {
    const int fase = riga.value(2).toInt();
    if (fase < 0 || fase > int(Fase::Imparata))
        return std::nullopt;
    return VoceRipasso{.esercizio = riga.value(0).toString(),
                       .voce = riga.value(1).toString(),
                       .stato = {.fase = Fase(fase),
                                 .scatola = riga.value(3).toInt(),
                                 .scade = riga.value(4).toLongLong(),
                                 .mostrata = riga.value(5).toLongLong(),
                                 .ultimaRisposta = riga.value(6).toLongLong(),
                                 .ultimaEsatta = riga.value(7).toBool(),
                                 .numeroMostra = riga.value(8).toInt()}};
}

QList<VoceRipasso> leggi(const QSqlDatabase& db, qint64 alunno) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT esercizio, voce, fase, scatola, scade, mostrata, ultima, "
                                 "esatta, numero FROM ripassi WHERE alunno = ?"));
    query.addBindValue(alunno);
    QList<VoceRipasso> voci;
    if (!query.exec())
        return voci;
    while (query.next())
        if (std::optional<VoceRipasso> voce = dallaRiga(query))
            voci.append(std::move(*voce));
    return voci;
}

} // namespace vocario::PianoRipasso
