#include "classi.h"

#include <QSqlQuery>
#include <QVariant>

namespace vocario {

QList<Classe> classiDaRighe(QSqlQuery& righe) {
    QList<Classe> elenco;
    while (righe.next()) {
        if (elenco.isEmpty() || elenco.constLast().id != righe.value(0).toLongLong())
            elenco.append({.id = righe.value(0).toLongLong(), .nome = righe.value(1).toString()});
        if (!righe.value(2).isNull())
            elenco.last().alunni.append({.id = righe.value(2).toLongLong(),
                                         .nome = righe.value(3).toString(),
                                         .classe = righe.value(1).toString()});
    }
    return elenco;
}

} // namespace vocario
