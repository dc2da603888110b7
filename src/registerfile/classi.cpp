#include "classi.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlQuery>
#include <QVariant>

namespace vocario {

QList<Classe> classiDaRighe(QSqlQuery& righe) {
    QList<Classe> elenco;
    while (righe.next()) {
        if (elenco.isEmpty() || elenco.constLast().id != righe.value(0).toLongLong())
            elenco.append({.id = righe.value(0).toLongLong(),
                           .nome = righe.value(1).toString(),
                           .ripasso = righe.value(4).isNull() || righe.value(4).toBool()});
        if (!righe.value(2).isNull())
            elenco.last().alunni.append({.id = righe.value(2).toLongLong(),
                                         .nome = righe.value(3).toString(),
                                         .classe = righe.value(1).toString()});
    }
    return elenco;
}

QByteArray classiInJson(const QList<Classe>& classi) {
    QJsonArray elenco;
    for (const Classe& c : classi) {
        QJsonArray alunni;
        for (const Alunno& a : c.alunni)
            alunni.append(QJsonObject{{"id", QString::number(a.id)}, {"nome", a.nome}});
        QJsonObject classe{{"id", QString::number(c.id)}, {"nome", c.nome}, {"alunni", alunni}};
        if (!c.ripasso)
            classe.insert("ripasso", false);
        elenco.append(classe);
    }
    return QJsonDocument(elenco).toJson(QJsonDocument::Compact);
}

QList<Classe> classiDaJson(const QByteArray& testo) {
    QList<Classe> classi;
    for (const QJsonValue& v : QJsonDocument::fromJson(testo).array()) {
        const QJsonObject o = v.toObject();
        Classe classe{.id = o.value("id").toString().toLongLong(),
                      .nome = o.value("nome").toString(),
                      .ripasso = o.value("ripasso").toBool(true)};
        for (const QJsonValue& a : o.value("alunni").toArray())
            classe.alunni.append({.id = a.toObject().value("id").toString().toLongLong(),
                                  .nome = a.toObject().value("nome").toString(),
                                  .classe = classe.nome});
        classi.append(std::move(classe));
    }
    return classi;
}

} // namespace vocario
