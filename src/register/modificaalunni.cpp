#include "modificaalunni.h"

#include "registro.h"

#include <QSqlQuery>

namespace vocario::ModificaAlunni {
namespace {

// "Chi gioca?" and --alunno tell names apart regardless of case.
bool stessoNome(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

const Classe* classeCon(const QList<Classe>& classi, qint64 classe) {
    for (const Classe& c : classi)
        if (c.id == classe)
            return &c;
    return nullptr;
}

const Classe* classeDi(const QList<Classe>& classi, qint64 alunno) {
    for (const Classe& c : classi)
        for (const Alunno& a : c.alunni)
            if (a.id == alunno)
                return &c;
    return nullptr;
}

// Another pupil of `classe` already called `nome`.
std::optional<QString> doppione(const Classe& classe, qint64 alunno, const QString& nome) {
    for (const Alunno& a : classe.alunni)
        if (a.id != alunno && stessoNome(a.nome, nome))
            return QStringLiteral("Nella classe %1 c'è già un alunno di nome %2.")
                .arg(classe.nome, a.nome);
    return std::nullopt;
}

std::optional<QString> esegui(Registro& registro, const char* sql, const QVariant& valore,
                              qint64 id) {
    // The server, as the teacher's role, when one is set: the classes are its own.
    QSqlQuery query(registro.dbVista());
    query.prepare(QLatin1String(sql));
    query.addBindValue(valore);
    query.addBindValue(id);
    if (query.exec())
        return std::nullopt;
    return QStringLiteral("Il registro non si può scrivere (%1).").arg(query.lastError().text());
}

} // namespace

QString nomePulito(const QString& nome) {
    return nome.simplified();
}

std::optional<QString> rinominaAlunno(Registro& registro, qint64 alunno, const QString& nome) {
    const QString pulito = nomePulito(nome);
    if (pulito.isEmpty())
        return QStringLiteral("Il nome non può essere vuoto.");
    if (pulito.contains(u'/'))
        return QStringLiteral("Il nome non può contenere «/».");
    const QList<Classe> classi = registro.classi();
    const Classe* classe = classeDi(classi, alunno);
    if (!classe)
        return QStringLiteral("L'alunno non è più nel registro.");
    if (std::optional<QString> motivo = doppione(*classe, alunno, pulito))
        return motivo;
    return esegui(registro, "UPDATE alunni SET nome = ? WHERE id = ?", pulito, alunno);
}

std::optional<QString> rinominaClasse(Registro& registro, qint64 classe, const QString& nome) {
    const QString pulito = nomePulito(nome);
    if (pulito.isEmpty())
        return QStringLiteral("Il nome della classe non può essere vuoto.");
    if (pulito.contains(u'/'))
        return QStringLiteral("Il nome della classe non può contenere «/».");
    for (const Classe& c : registro.classi())
        if (c.id != classe && stessoNome(c.nome, pulito))
            return QStringLiteral("C'è già una classe di nome %1.").arg(c.nome);
    return esegui(registro, "UPDATE classi SET nome = ? WHERE id = ?", pulito, classe);
}

std::optional<QString> spostaAlunno(Registro& registro, qint64 alunno, qint64 classe) {
    const QList<Classe> classi = registro.classi();
    const Classe* verso = classeCon(classi, classe);
    const Classe* da = classeDi(classi, alunno);
    if (!verso || !da)
        return QStringLiteral("L'alunno o la classe non sono più nel registro.");
    for (const Alunno& a : da->alunni)
        if (a.id == alunno)
            if (std::optional<QString> motivo = doppione(*verso, alunno, a.nome))
                return motivo;
    return esegui(registro, "UPDATE alunni SET classe = ? WHERE id = ?", classe, alunno);
}

} // namespace vocario::ModificaAlunni
