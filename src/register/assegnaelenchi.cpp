#include "assegnaelenchi.h"

#include "registerfile/ingressoregistro.h"
#include "registro.h"
#include "serverregistro.h"
#include "teacher/testorapporto.h"
#include "teacher/verificaelenchi.h"
#include "wordlists/wordlistreader.h"

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

namespace vocario::ElenchiClasse {
namespace {

qint64 oraDellaVersione() {
    return QDateTime::currentMSecsSinceEpoch();
}

// A new version of `file` for the class: its text, or none to give the
// program's list back. Numbered after the last, whichever engine.
bool aggiungiVersione(QSqlQuery& query, qint64 classe, const QString& file, const QVariant& testo) {
    query.prepare(QStringLiteral(
        "INSERT INTO elenchi_classe (classe, file, versione, testo, quando) SELECT ?, ?, "
        "coalesce(max(versione), 0) + 1, ?, ? FROM elenchi_classe WHERE classe = ? AND file = ?"));
    for (const QVariant& valore : {QVariant(classe), QVariant(file), testo,
                                   QVariant(oraDellaVersione()), QVariant(classe), QVariant(file)})
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

} // namespace vocario::ElenchiClasse
