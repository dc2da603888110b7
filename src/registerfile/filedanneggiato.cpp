#include "filedanneggiato.h"

#include "fileregistro.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>

namespace vocario::FileDanneggiato {
namespace {

struct Comune {
    // The file's, held for a whole batch; the figures', held for a moment.
    std::recursive_mutex file;
    std::mutex dati;
    QHash<QString, int> generazioni;
    QHash<QString, QList<Classe>> classi;
};

Comune& comune() {
    static Comune c;
    return c;
}

// In an order that keeps every reference whole, with the teacher's words
// for what is in them (none: the teacher does not miss it by name).
struct Tabella {
    const char* nome;
    const char* perInsegnante;
};
constexpr Tabella kTabelle[] = {
    {.nome = "classi", .perInsegnante = "le classi"},
    {.nome = "alunni", .perInsegnante = "gli alunni"},
    {.nome = "impostazioni", .perInsegnante = "la password dell'insegnante"},
    {.nome = "voci", .perInsegnante = nullptr},
    {.nome = "sessioni", .perInsegnante = "le sessioni"},
    {.nome = "aperture", .perInsegnante = nullptr},
    {.nome = "risposte", .perInsegnante = "le risposte"},
    {.nome = "in_uscita", .perInsegnante = "le risposte per il server della scuola"},
};

// Keeps the damaged file beside the new one, under a name that tells when;
// its log goes with it, never left for the new file to read.
QString mettiDaParte(const QString& file) {
    const QString data = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    QString base = file;
    base.chop(QStringLiteral(".sqlite").size());
    QString destinazione = QStringLiteral("%1-danneggiato-%2.sqlite").arg(base, data);
    for (int n = 2; QFileInfo::exists(destinazione); ++n)
        destinazione = QStringLiteral("%1-danneggiato-%2-%3.sqlite").arg(base, data).arg(n);
    if (!QFile::rename(file, destinazione))
        return {};
    for (const QLatin1String parte : {QLatin1String("-wal"), QLatin1String("-shm")})
        if (QFileInfo::exists(file + parte) && !QFile::rename(file + parte, destinazione + parte))
            QFile::remove(file + parte);
    return destinazione;
}

QString colonne(QSqlDatabase& db, const QString& tabella) {
    QSqlQuery query(db);
    QStringList nomi;
    if (query.exec(QStringLiteral("PRAGMA main.table_info(%1)").arg(tabella)))
        while (query.next())
            nomi << query.value(1).toString();
    return nomi.join(QStringLiteral(", "));
}

int righe(QSqlDatabase& db, const QString& tabella) {
    QSqlQuery query(db);
    return query.exec(QStringLiteral("SELECT count(*) FROM main.%1").arg(tabella)) && query.next()
               ? query.value(0).toInt()
               : 0;
}

// The pupils the program knew, with their ids: the answers waiting name
// them, and the damaged file may no longer give them.
void rimettiClassi(QSqlDatabase& db, const QList<Classe>& classi) {
    QSqlQuery query(db);
    for (const Classe& c : classi) {
        query.prepare(QStringLiteral("INSERT OR IGNORE INTO classi (id, nome) VALUES (?, ?)"));
        query.addBindValue(c.id);
        query.addBindValue(c.nome);
        query.exec();
        for (const Alunno& a : c.alunni) {
            query.prepare(
                QStringLiteral("INSERT OR IGNORE INTO alunni (id, classe, nome) VALUES (?, ?, ?)"));
            query.addBindValue(a.id);
            query.addBindValue(c.id);
            query.addBindValue(a.nome);
            query.exec();
        }
    }
}

// Each table whole or not at all (one statement each): a table with a
// damaged page stays in the file set aside. Returns the teacher's notice.
QString copia(QSqlDatabase& db, const QString& vecchio, const QList<Classe>& ricordate) {
    QSqlQuery query(db);
    query.prepare(QStringLiteral("ATTACH DATABASE ? AS vecchio"));
    query.addBindValue(vecchio);
    const bool attaccato = query.exec();
    rimettiClassi(db, ricordate);
    QStringList letto, perso;
    for (const Tabella& tabella : kTabelle) {
        const QString nome = QLatin1String(tabella.nome);
        const QString campi = colonne(db, nome);
        const bool copiata =
            attaccato && !campi.isEmpty() &&
            query.exec(
                QStringLiteral("INSERT OR IGNORE INTO main.%1 (%2) SELECT %2 FROM vecchio.%1")
                    .arg(nome, campi));
        if (!tabella.perInsegnante)
            continue;
        if (righe(db, nome) > 0)
            letto << QString::fromUtf8(tabella.perInsegnante);
        else if (!copiata)
            perso << QString::fromUtf8(tabella.perInsegnante);
    }
    if (attaccato)
        query.exec(QStringLiteral("DETACH DATABASE vecchio"));

    QString avviso = QStringLiteral("Il file del registro era danneggiato: è stato messo da parte "
                                    "come %1 e ne è stato cominciato uno nuovo.")
                         .arg(QDir::toNativeSeparators(vecchio));
    if (!letto.isEmpty())
        avviso += QStringLiteral(" Nel nuovo c'è quello che si è potuto leggere: %1.")
                      .arg(letto.join(QStringLiteral(", ")));
    if (!perso.isEmpty())
        avviso += QStringLiteral(" Non si è potuto leggere: %1 (resta nel file messo da parte).")
                      .arg(perso.join(QStringLiteral(", ")));
    if (righe(db, QStringLiteral("classi")) == 0)
        avviso += QStringLiteral(" Le classi vanno preparate di nuovo.");
    return avviso;
}

} // namespace

std::unique_lock<std::recursive_mutex> bloccaFile() {
    return std::unique_lock(comune().file);
}

int generazione(const QString& cartella) {
    const std::lock_guard blocco(comune().dati);
    return comune().generazioni.value(cartella);
}

void ricordaClassi(const QString& cartella, const QList<Classe>& classi) {
    const std::lock_guard blocco(comune().dati);
    comune().classi.insert(cartella, classi);
}

Esito ricomincia(const QString& cartella, const QString& connessione, int vista) {
    const std::unique_lock blocco = bloccaFile();
    FileRegistro::chiudi(connessione);
    if (generazione(cartella) != vista) // set aside by another connection meanwhile
        return {.errore = FileRegistro::apri(cartella, connessione).errore};
    const QString file = FileRegistro::percorso(cartella);
    const QString vecchio = mettiDaParte(file);
    if (vecchio.isEmpty())
        return {.errore = QStringLiteral("Il file del registro è danneggiato e non si può "
                                         "spostare: %1")
                              .arg(QDir::toNativeSeparators(file))};
    QList<Classe> ricordate;
    {
        const std::lock_guard dati(comune().dati);
        comune().generazioni.insert(cartella, vista + 1);
        ricordate = comune().classi.value(cartella);
    }
    FileRegistro::Apertura apertura = FileRegistro::apri(cartella, connessione);
    if (apertura.errore)
        return {.messoDaParte = vecchio, .errore = apertura.errore};
    QSqlQuery query(apertura.db);
    query.prepare(QStringLiteral(
        "INSERT OR REPLACE INTO impostazioni (chiave, valore) VALUES ('avviso', ?)"));
    query.addBindValue(copia(apertura.db, vecchio, ricordate));
    query.exec();
    return {.messoDaParte = vecchio};
}

} // namespace vocario::FileDanneggiato
