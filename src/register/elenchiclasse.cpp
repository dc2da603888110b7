#include "elenchiclasse.h"

#include "exercises/catalogo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlError>
#include <QSqlQuery>
#include <set>

namespace vocario::ElenchiClasse {
namespace {

qint64 adesso() {
    return QDateTime::currentMSecsSinceEpoch();
}

} // namespace

QStringList nomiDegliElenchi() {
    std::set<QString> nomi;
    for (const ExerciseEntry& esercizio : catalogoEsercizi())
        for (const ListNeed& elenco : esercizio.lists)
            nomi.insert(elenco.file);
    return QStringList(nomi.begin(), nomi.end());
}

QString nelRegistro(const QString& file, int versione) {
    return QStringLiteral("classe:%1:%2").arg(file).arg(versione);
}

QList<Elenco> attuali(const QSqlDatabase& db, qint64 classe) {
    QList<Elenco> elenchi;
    QSqlQuery query(db);
    // The last version of each list; one without text gave it back.
    query.prepare(QStringLiteral(
        "SELECT e.file, e.versione, e.quando FROM elenchi_classe e WHERE e.classe = ? AND "
        "e.testo IS NOT NULL AND e.versione = (SELECT max(u.versione) FROM elenchi_classe u "
        "WHERE u.classe = e.classe AND u.file = e.file) ORDER BY e.file"));
    query.addBindValue(classe);
    if (query.exec())
        while (query.next())
            elenchi.append({.file = query.value(0).toString(),
                            .versione = query.value(1).toInt(),
                            .quando = QDateTime::fromMSecsSinceEpoch(query.value(2).toLongLong())});
    return elenchi;
}

PerGiocare prepara(const QSqlDatabase& file, const QString& cartellaRegistro, qint64 classe) {
    PerGiocare perGiocare;
    const QList<Elenco> elenchi = attuali(file, classe);
    if (elenchi.isEmpty())
        return perGiocare;
    QDir cartella(cartellaRegistro);
    const QString percorso = QStringLiteral("elenchi-classe/%1").arg(classe);
    if (!cartella.mkpath(percorso))
        return perGiocare;
    cartella.cd(percorso);
    QFile::setPermissions(cartella.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // A list the class no longer has must not be read from here.
    for (const QString& vecchio : cartella.entryList(QDir::Files))
        if (std::none_of(elenchi.begin(), elenchi.end(),
                         [&](const Elenco& e) { return e.file == vecchio; }))
            cartella.remove(vecchio);
    // The versions already written here: a list is read from the register
    // and written again only when it changed (up to 2 MB each, and the
    // pupil waits at "Chi gioca?").
    QFile segnate(cartella.filePath(QStringLiteral(".versioni")));
    QHash<QString, int> scritte;
    if (segnate.open(QIODevice::ReadOnly))
        for (const QByteArray& riga : segnate.readAll().split('\n'))
            if (const QList<QByteArray> parti = riga.split(' '); parti.size() == 2)
                scritte.insert(QString::fromUtf8(parti[0]), parti[1].toInt());
    segnate.close();
    QSqlQuery query(file);
    for (const Elenco& elenco : elenchi) {
        if (scritte.value(elenco.file, -1) == elenco.versione &&
            QFileInfo::exists(cartella.filePath(elenco.file))) {
            perGiocare.versioni.insert(elenco.file, elenco.versione);
            continue;
        }
        query.prepare(QStringLiteral(
            "SELECT testo FROM elenchi_classe WHERE classe = ? AND file = ? AND versione = ?"));
        query.addBindValue(classe);
        query.addBindValue(elenco.file);
        query.addBindValue(elenco.versione);
        QSaveFile scritto(cartella.filePath(elenco.file));
        if (!query.exec() || !query.next() || !scritto.open(QIODevice::WriteOnly) ||
            scritto.write(query.value(0).toByteArray()) < 0 || !scritto.commit()) {
            // Better the program's list than half the class's.
            cartella.remove(elenco.file);
            continue;
        }
        perGiocare.versioni.insert(elenco.file, elenco.versione);
    }
    QSaveFile versioni(segnate.fileName());
    if (versioni.open(QIODevice::WriteOnly)) {
        for (auto v = perGiocare.versioni.cbegin(); v != perGiocare.versioni.cend(); ++v)
            versioni.write(v.key().toUtf8() + ' ' + QByteArray::number(v.value()) + '\n');
        versioni.commit();
    }
    if (!perGiocare.versioni.isEmpty())
        perGiocare.cartella = cartella.path();
    return perGiocare;
}

bool copiaDalServer(QSqlDatabase& server, QSqlDatabase& file, QString* motivo, bool* cambiati) {
    struct Versione {
        qint64 classe;
        QString file;
        int versione;
        bool ritirato;
    };
    QList<Versione> sulServer;
    QSqlQuery query(server);
    if (!query.exec(QStringLiteral("SELECT classe, file, versione, ritirato FROM "
                                   "vocario_versioni_elenchi()"))) {
        *motivo = query.lastError().text();
        return false;
    }
    while (query.next())
        sulServer.append({query.value(0).toLongLong(), query.value(1).toString(),
                          query.value(2).toInt(), query.value(3).toBool()});
    QHash<QString, int> nelFile;
    QSqlQuery locale(file);
    locale.exec(QStringLiteral("SELECT classe, file, max(versione) FROM elenchi_classe GROUP BY "
                               "classe, file"));
    while (locale.next())
        nelFile.insert(locale.value(0).toString() + u'/' + locale.value(1).toString(),
                       locale.value(2).toInt());
    bool nuovi = false;
    for (const Versione& v : std::as_const(sulServer)) {
        const QString chiave = QString::number(v.classe) + u'/' + v.file;
        if (nelFile.value(chiave, -1) == v.versione)
            continue;
        QVariant testo(QMetaType::fromType<QByteArray>());
        if (!v.ritirato) {
            query.prepare(QStringLiteral("SELECT vocario_elenco(?, ?, ?)"));
            query.addBindValue(v.classe);
            query.addBindValue(v.file);
            query.addBindValue(v.versione);
            if (!query.exec() || !query.next()) {
                *motivo = query.lastError().text();
                return false;
            }
            testo = query.value(0).toByteArray();
        }
        locale.prepare(QStringLiteral("INSERT OR REPLACE INTO elenchi_classe (classe, file, "
                                      "versione, testo, quando) VALUES (?, ?, ?, ?, ?)"));
        for (const QVariant& valore : {QVariant(v.classe), QVariant(v.file), QVariant(v.versione),
                                       testo, QVariant(adesso())})
            locale.addBindValue(valore);
        if (!locale.exec()) {
            *motivo = locale.lastError().text();
            return false;
        }
        nuovi = true;
    }
    // A class the server no longer has leaves the copy with its lists.
    std::set<qint64> classi;
    for (const Versione& v : std::as_const(sulServer))
        classi.insert(v.classe);
    QStringList tenute;
    for (qint64 classe : classi)
        tenute << QString::number(classe);
    locale.exec(QStringLiteral("DELETE FROM elenchi_classe WHERE classe NOT IN (%1)")
                    .arg(tenute.isEmpty() ? QStringLiteral("-1") : tenute.join(u',')));
    if (cambiati)
        *cambiati = nuovi || locale.numRowsAffected() > 0;
    return true;
}

} // namespace vocario::ElenchiClasse
