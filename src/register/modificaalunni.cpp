#include "modificaalunni.h"

#include "registro.h"

#include <QSqlQuery>

namespace vocario::ModificaAlunni {
namespace {

// A «/» splits --alunno's "classe/nome"; the others make two names that look
// the same differ, or turn the text of "Chi gioca?" and of the messages round.
enum class Vietato { Nessuno, Barra, Controllo, Invisibile, Direzione };

Vietato vietato(QChar c) {
    const char16_t u = c.unicode();
    if (u == u'/')
        return Vietato::Barra;
    if (c.category() == QChar::Other_Control)
        return Vietato::Controllo;
    if ((u >= 0x200B && u <= 0x200D) || u == 0x2060 || u == 0xFEFF)
        return Vietato::Invisibile;
    if ((u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069) || u == 0x200E ||
        u == 0x200F || u == 0x061C)
        return Vietato::Direzione;
    return Vietato::Nessuno;
}

QString descrizione(Vietato tipo, QChar c) {
    const QString codice =
        QStringLiteral("U+%1").arg(uint(c.unicode()), 4, 16, QChar(u'0')).toUpper();
    switch (tipo) {
    case Vietato::Barra:
        return QStringLiteral("«/»");
    case Vietato::Controllo:
        return QStringLiteral("un carattere di controllo (%1)").arg(codice);
    case Vietato::Invisibile:
        return QStringLiteral("un carattere invisibile (%1)").arg(codice);
    case Vietato::Direzione:
        return QStringLiteral("un carattere che cambia la direzione del testo (%1)").arg(codice);
    case Vietato::Nessuno:
        break;
    }
    return {};
}

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

std::optional<QString> carattereVietato(const QString& nome) {
    for (const QChar c : nome)
        if (const Vietato tipo = vietato(c); tipo != Vietato::Nessuno)
            return descrizione(tipo, c);
    return std::nullopt;
}

QString nomeMostrabile(const QString& nome) {
    QString mostrabile;
    for (const QChar c : nome)
        if (const Vietato tipo = vietato(c); tipo == Vietato::Nessuno || tipo == Vietato::Barra)
            mostrabile += c;
    return mostrabile;
}

std::optional<QString> nomeRifiutato(const QString& nome, bool diClasse) {
    const std::optional<QString> carattere = carattereVietato(nome);
    if (!carattere)
        return std::nullopt;
    return (diClasse ? QStringLiteral("Il nome della classe «%1» non può contenere %2.")
                     : QStringLiteral("Il nome «%1» non può contenere %2."))
        .arg(nomeMostrabile(nome), *carattere);
}

std::optional<QString> rinominaAlunno(Registro& registro, qint64 alunno, const QString& nome) {
    const QString pulito = nomePulito(nome);
    if (pulito.isEmpty())
        return QStringLiteral("Il nome non può essere vuoto.");
    if (std::optional<QString> motivo = nomeRifiutato(pulito))
        return motivo;
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
    if (std::optional<QString> motivo = nomeRifiutato(pulito, true))
        return motivo;
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
