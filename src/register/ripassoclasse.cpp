#include "ripassoclasse.h"

#include "registro.h"

#include <QSqlQuery>

namespace vocario {

bool impostaRipasso(Registro& registro, qint64 classe, bool attivo) {
    QSqlQuery query(registro.dbVista());
    query.prepare(QStringLiteral("UPDATE classi SET ripasso = ? WHERE id = ?"));
    // Each engine keeps a truth its own way: 0 or 1 in the file.
    query.addBindValue(registro.suServer() ? QVariant(attivo) : QVariant(int(attivo)));
    query.addBindValue(classe);
    return query.exec() && query.numRowsAffected() == 1;
}

} // namespace vocario
