#include "intestazione.h"

#include <QSqlQuery>

namespace vocario {

Intestazione::Intestazione(QSqlDatabase db) : db_(std::move(db)) {}

Intestazione::Intestazione(QList<Classe> classiDelServer)
    : letto_(true), classi_(std::move(classiDelServer)) {}

// Once per batch: the file's identity and the highest pupil id it ever gave.
void Intestazione::leggiFile() {
    if (letto_ || !db_)
        return;
    letto_ = true;
    QSqlQuery query(*db_);
    if (query.exec(QStringLiteral("SELECT valore FROM impostazioni WHERE chiave = 'identita'")) &&
        query.next())
        identita_ = query.value(0).toString();
    if (query.exec(QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = 'alunni'")) &&
        query.next())
        ultimoId_ = query.value(0).toLongLong();
}

bool Intestazione::esiste(qint64 alunno) {
    QSqlQuery query(*db_);
    query.prepare(QStringLiteral("SELECT 1 FROM alunni WHERE id = ?"));
    query.addBindValue(alunno);
    return query.exec() && query.next();
}

// The classes and pupils, read at the first pupil found by name.
const QList<Classe>& Intestazione::classi() {
    if (db_ && !classiLette_) {
        classiLette_ = true;
        QSqlQuery query(*db_);
        query.exec(QStringLiteral("SELECT c.id, c.nome, a.id, a.nome FROM classi c JOIN alunni "
                                  "a ON a.classe = c.id ORDER BY c.nome"));
        classi_ = classiDaRighe(query);
    }
    return classi_;
}

Intestazione::Verdetto Intestazione::per(const Operazione& operazione) {
    // Lines of earlier versions know the id alone.
    if (operazione.nome.isEmpty())
        return {.alunno = operazione.alunno};
    const QString chiave = QStringList{operazione.registro, QString::number(operazione.alunno),
                                       operazione.classe, operazione.nome}
                               .join(u'\x1f');
    if (const auto trovato = giaDecisi_.constFind(chiave); trovato != giaDecisi_.cend())
        return *trovato;
    const Verdetto verdetto = decidi(operazione);
    giaDecisi_.insert(chiave, verdetto);
    return verdetto;
}

Intestazione::Verdetto Intestazione::decidi(const Operazione& operazione) {
    leggiFile();
    if (!db_ && operazione.alunno > 0)
        return {.alunno = operazione.alunno};
    if (db_ && operazione.alunno > 0 && !operazione.registro.isEmpty() &&
        operazione.registro == identita_) {
        // Renamed or moved to another class, still the same child.
        if (esiste(operazione.alunno))
            return {.alunno = operazione.alunno};
        if (operazione.alunno <= ultimoId_)
            return {.esito = Esito::Eliminato};
        // An id this file never gave: a copy from before it was made.
    }
    const qint64 trovato = perNome(operazione.classe, operazione.nome);
    return trovato > 0 ? Verdetto{.alunno = trovato} : Verdetto{.esito = Esito::Sospeso};
}

// As "Chi gioca?" and --alunno find a pupil: case aside; without a class,
// only a name no other class has.
qint64 Intestazione::perNome(const QString& classe, const QString& nome) {
    qint64 trovato = 0;
    int quanti = 0;
    for (const Classe& c : classi()) {
        if (!classe.isEmpty() && c.nome.compare(classe, Qt::CaseInsensitive) != 0)
            continue;
        for (const Alunno& a : c.alunni)
            if (a.nome.compare(nome, Qt::CaseInsensitive) == 0) {
                trovato = a.id;
                ++quanti;
            }
    }
    return quanti == 1 ? trovato : 0;
}

} // namespace vocario
