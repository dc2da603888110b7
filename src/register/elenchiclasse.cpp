#include "elenchiclasse.h"

#include "exercises/catalogo.h"
#include "registerfile/ingressoregistro.h"
#include "registro.h"
#include "serverregistro.h"
#include "teacher/testorapporto.h"
#include "teacher/verificaelenchi.h"
#include "wordlists/wordlistreader.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QSqlError>
#include <QSqlQuery>
#include <set>

namespace vocario::ElenchiClasse {
namespace {

qint64 adesso() {
    return QDateTime::currentMSecsSinceEpoch();
}

// A new version of `file` for the class: its text, or none to give the
// program's list back. Numbered after the last, whichever engine.
bool aggiungiVersione(QSqlQuery& query, qint64 classe, const QString& file, const QVariant& testo) {
    query.prepare(QStringLiteral(
        "INSERT INTO elenchi_classe (classe, file, versione, testo, quando) SELECT ?, ?, "
        "coalesce(max(versione), 0) + 1, ?, ? FROM elenchi_classe WHERE classe = ? AND file = ?"));
    for (const QVariant& valore : {QVariant(classe), QVariant(file), testo, QVariant(adesso()),
                                   QVariant(classe), QVariant(file)})
        query.addBindValue(valore);
    return query.exec();
}

Esito scrivi(Registro& registro, qint64 classe, const QList<std::pair<QString, QVariant>>& versioni,
             const QString& fatto) {
    QSqlDatabase db = registro.dbVista();
    if (!db.isOpen())
        return {.messaggio = QStringLiteral("Il registro non si può scrivere ora (%1).")
                                 .arg(registro.erroreServer())};
    QSqlQuery query(db);
    bool ok = db.transaction();
    for (const auto& [file, testo] : versioni)
        ok = ok && aggiungiVersione(query, classe, file, testo);
    if (ok && db.commit())
        return {.ok = true, .messaggio = fatto};
    const QString motivo =
        query.lastError().isValid() ? query.lastError().text() : db.lastError().text();
    db.rollback();
    return {
        .messaggio =
            QStringLiteral("Gli elenchi della classe non si possono scrivere (%1).").arg(motivo)};
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

Esito daiDaCartella(Registro& registro, qint64 classe, const QString& cartella,
                    const QString& programma) {
    const QList<CartellaElenchi> cartelle = {{QStringLiteral("elenchi per la classe"), cartella},
                                             {QStringLiteral("elenchi del programma"), programma}};
    const RapportoElenchi rapporto =
        verificaElenchi({{cartella, QDir::toNativeSeparators(cartella + u'/')},
                         {programma, QStringLiteral("testi/")}});
    QStringList dati;
    for (const ElencoLetto& letto : rapporto.elenchi)
        if (letto.cartella == 0)
            dati << letto.file;
    if (dati.isEmpty())
        return {.messaggio = QStringLiteral("In %1 non c'è nessuno degli elenchi degli esercizi "
                                            "(%2).")
                                 .arg(QDir::toNativeSeparators(cartella),
                                      nomiDegliElenchi().join(QStringLiteral(", ")))};
    for (const Segnalazione& s : rapporto.segnalazioni)
        if (s.gravita == Gravita::Errore && dati.contains(s.file))
            return {.messaggio =
                        QStringLiteral("Gli elenchi non sono stati dati alla classe: "
                                       "uno ha errori che gli esercizi non accettano.\n\n") +
                        testoRapporto(rapporto, cartelle)};
    QList<std::pair<QString, QVariant>> versioni;
    for (const QString& file : std::as_const(dati)) {
        QFile letto(QDir(cartella).filePath(file));
        if (letto.size() > WordListReader::kMaxFileBytes || !letto.open(QIODevice::ReadOnly))
            return {.messaggio = QStringLiteral("%1 non si può leggere.").arg(letto.fileName())};
        versioni.append({file, letto.readAll()});
    }
    return scrivi(registro, classe, versioni,
                  QStringLiteral("La classe ha ora i suoi elenchi: %1.")
                      .arg(dati.join(QStringLiteral(", "))));
}

Esito tornaAlProgramma(Registro& registro, qint64 classe, const QString& file) {
    QList<std::pair<QString, QVariant>> versioni;
    for (const Elenco& elenco : attuali(registro.dbVista(), classe))
        if (file.isEmpty() || elenco.file == file)
            versioni.append({elenco.file, QVariant(QMetaType::fromType<QByteArray>())});
    if (versioni.isEmpty())
        return {.ok = true,
                .messaggio = QStringLiteral("La classe usa già gli elenchi del programma.")};
    return scrivi(registro, classe, versioni,
                  QStringLiteral("La classe usa di nuovo gli elenchi del programma."));
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
    QSqlQuery query(file);
    for (const Elenco& elenco : elenchi) {
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
    if (!perGiocare.versioni.isEmpty())
        perGiocare.cartella = cartella.path();
    return perGiocare;
}

PerLaScheda perLaScheda(const AppState& stato, const QString& nome) {
    Registro registro(Registro::cartella(stato), ServerRegistro::impostato({}));
    if (registro.errore())
        return {.errore = *registro.errore()};
    for (const Classe& classe : registro.classi())
        if (classe.nome.compare(nome.trimmed(), Qt::CaseInsensitive) == 0)
            return {.cartella =
                        prepara(registro.dbVista(),
                                Registro::cartella(stato) + QStringLiteral("/schede"), classe.id)
                            .cartella};
    return {.errore = QStringLiteral("la classe «%1» non è nel registro.").arg(nome)};
}

QStringList classiDelRegistro(const AppState& stato) {
    QStringList nomi;
    if (!IngressoRegistro::daAprire(stato, {}))
        return nomi;
    Registro registro(Registro::cartella(stato), ServerRegistro::impostato({}));
    for (const Classe& classe : registro.classi())
        nomi << classe.nome;
    return nomi;
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
