#include "registro.h"

#include "core/appstate.h"
#include "core/registrazione.h"
#include "filedanneggiato.h"
#include "fileregistro.h"
#include "mittenteregistro.h"
#include "serverregistro.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <atomic>

namespace vocario {
namespace {

// Written by FileDanneggiato when a damaged file is set aside.
const QString kAvviso = QStringLiteral("avviso");
const QString kClassiServer = QStringLiteral("classi-server");

QByteArray inJson(const QList<Classe>& classi) {
    QJsonArray elenco;
    for (const Classe& c : classi)
        for (const Alunno& a : c.alunni)
            elenco.append(QJsonObject{{"id", QString::number(a.id)},
                                      {"nome", a.nome},
                                      {"classe", c.nome},
                                      {"idClasse", QString::number(c.id)}});
    return QJsonDocument(elenco).toJson(QJsonDocument::Compact);
}

QList<Classe> daJson(const QByteArray& testo) {
    QList<Classe> classi;
    for (const QJsonValue& v : QJsonDocument::fromJson(testo).array()) {
        const QJsonObject o = v.toObject();
        const qint64 idClasse = o.value("idClasse").toString().toLongLong();
        if (classi.isEmpty() || classi.constLast().id != idClasse)
            classi.append({.id = idClasse, .nome = o.value("classe").toString()});
        classi.last().alunni.append({.id = o.value("id").toString().toLongLong(),
                                     .nome = o.value("nome").toString(),
                                     .classe = o.value("classe").toString()});
    }
    return classi;
}

QString connessioneNuova() {
    static std::atomic<int> contatore{0};
    return QStringLiteral("registro-%1").arg(++contatore);
}

qint64 adesso() {
    return QDateTime::currentMSecsSinceEpoch();
}

// The named pupil's play, told by the windows, queued for the writer.
class RegistrazioneAlunno final : public Registrazione {
  public:
    RegistrazioneAlunno(ScrittoreRegistro& scrittore, qint64 alunno)
        : scrittore_(scrittore), alunno_(alunno), sessione_(Operazione::nuovoId()) {
        scrittore_.accoda({.tipo = Operazione::Tipo::InizioSessione,
                           .id = sessione_,
                           .quando = adesso(),
                           .alunno = alunno_});
    }
    ~RegistrazioneAlunno() override {
        esercizioLasciato();
        scrittore_.accoda(
            {.tipo = Operazione::Tipo::FineSessione, .id = sessione_, .quando = adesso()});
    }

    void esercizioAperto(const QString& esercizio) override {
        esercizioLasciato();
        apertura_ = Operazione::nuovoId();
        scrittore_.accoda({.tipo = Operazione::Tipo::Apertura,
                           .id = apertura_,
                           .quando = adesso(),
                           .sessione = sessione_,
                           .esercizio = esercizio});
    }

    void esercizioLasciato() override {
        if (apertura_.isEmpty())
            return;
        scrittore_.accoda({.tipo = Operazione::Tipo::Chiusura,
                           .id = std::exchange(apertura_, {}),
                           .quando = adesso()});
    }

    void risposta(const RispostaData& r) override {
        scrittore_.accoda({.tipo = Operazione::Tipo::Risposta,
                           .id = Operazione::nuovoId(),
                           .quando = adesso(),
                           .alunno = alunno_,
                           .sessione = sessione_,
                           .esercizio = r.esercizio,
                           .voce = r.voce,
                           .elenco = r.elencoInsegnante ? QStringLiteral("insegnante")
                                                        : QStringLiteral("programma"),
                           .dato = r.dato,
                           .esatta = r.esatta,
                           .secondi = r.secondi});
    }

  private:
    ScrittoreRegistro& scrittore_;
    const qint64 alunno_;
    const QByteArray sessione_;
    QByteArray apertura_;
};

} // namespace

QString Registro::cartella(const AppState& stato) {
    if (!stato.cartellaRegistro.isEmpty())
        return stato.cartellaRegistro;
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

bool Registro::esiste(const AppState& stato) {
    return QFileInfo::exists(FileRegistro::percorso(cartella(stato)));
}

Registro::Registro(QString cartella, QString server)
    : cartella_(std::move(cartella)), connessione_(connessioneNuova()), server_(std::move(server)),
      generazione_(FileDanneggiato::generazione(cartella_)) {
    bool danneggiato = false;
    {
        const FileRegistro::Apertura apertura = FileRegistro::apri(cartella_, connessione_);
        errore_ = apertura.errore;
        danneggiato = apertura.danneggiato;
    }
    if (danneggiato)
        rimediaSeDanneggiato({}, true);
    scrittore_ =
        std::make_unique<ScrittoreRegistro>(cartella_, percorsoFile() + QStringLiteral("-attesa"));
    if (const std::optional<ServerRegistro::Indirizzo> indirizzo = ServerRegistro::leggi(server_);
        indirizzo && !errore_) {
        mittente_ = std::make_unique<MittenteRegistro>(cartella_, *indirizzo);
        scrittore_->mandaAlServer([m = mittente_.get()] { m->sveglia(); });
    }
    if (!errore_)
        leggiGiornali();
}

Registro::~Registro() {
    scrittore_.reset();
    mittente_.reset();
    FileRegistro::chiudi(connessione_);
}

QSqlDatabase Registro::db() const {
    // The writer found the file damaged and started a new one: this side
    // follows it there.
    if (const int attuale = FileDanneggiato::generazione(cartella_); attuale != generazione_) {
        FileRegistro::chiudi(connessione_);
        errore_ = FileRegistro::apri(cartella_, connessione_).errore;
        generazione_ = attuale;
    }
    return QSqlDatabase::database(connessione_, false);
}

bool Registro::rimediaSeDanneggiato(const QSqlError& errore, bool certo) const {
    if (!certo && !FileRegistro::danneggiato(errore))
        return false;
    errore_ = FileDanneggiato::ricomincia(cartella_, connessione_, generazione_).errore;
    generazione_ = FileDanneggiato::generazione(cartella_);
    return true;
}

QString Registro::percorsoFile() const {
    return FileRegistro::percorso(cartella_);
}

// Answers an earlier run could not write: queued again; ids already in the
// file are not written twice.
void Registro::leggiGiornali() {
    for (const QString& percorso :
         ScrittoreRegistro::giornaliPossibili(percorsoFile() + QStringLiteral("-attesa"))) {
        QFile file(percorso);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        while (!file.atEnd())
            if (std::optional<Operazione> op = Operazione::dalGiornale(file.readLine()))
                scrittore_->accoda(std::move(*op));
    }
}

QString Registro::avviso() const {
    return impostazione(kAvviso);
}

void Registro::avvisoLetto() {
    QSqlQuery query(db());
    query.prepare(QStringLiteral("DELETE FROM impostazioni WHERE chiave = ?"));
    query.addBindValue(kAvviso);
    query.exec();
}

QList<Classe> Registro::classi() const {
    for (int prova = 0; prova < 2; ++prova) {
        QSqlQuery query(db());
        query.exec(QStringLiteral("SELECT c.id, c.nome, a.id, a.nome FROM classi c LEFT JOIN "
                                  "alunni a ON a.classe = c.id ORDER BY c.nome, a.nome COLLATE "
                                  "NOCASE"));
        const QList<Classe> elenco = classiDaRighe(query);
        if (!query.lastError().isValid()) {
            FileDanneggiato::ricordaClassi(cartella_, elenco);
            return elenco;
        }
        if (!rimediaSeDanneggiato(query.lastError()))
            break;
    }
    return {};
}

bool Registro::ciSonoClassi() const {
    QSqlQuery query(db());
    return query.exec(QStringLiteral("SELECT 1 FROM classi LIMIT 1")) && query.next();
}

std::optional<Alunno> Registro::trovaAlunno(const QString& nome) const {
    return trovaIn(classi(), nome);
}

std::optional<Alunno> Registro::trovaIn(const QList<Classe>& classi, const QString& nome) {
    const QString classe = nome.contains(u'/') ? nome.section(u'/', 0, 0).trimmed() : QString();
    const QString soloNome = nome.section(u'/', -1).trimmed();
    for (const Classe& c : classi) {
        if (!classe.isEmpty() && c.nome.compare(classe, Qt::CaseInsensitive) != 0)
            continue;
        for (const Alunno& a : c.alunni)
            if (a.nome.compare(soloNome, Qt::CaseInsensitive) == 0)
                return a;
    }
    return std::nullopt;
}

qint64 Registro::aggiungiClasse(const QString& nome) {
    QSqlQuery query(db());
    query.prepare(QStringLiteral("INSERT OR IGNORE INTO classi (nome) VALUES (?)"));
    query.addBindValue(nome.trimmed());
    query.exec();
    query.prepare(QStringLiteral("SELECT id FROM classi WHERE nome = ?"));
    query.addBindValue(nome.trimmed());
    return query.exec() && query.next() ? query.value(0).toLongLong() : 0;
}

qint64 Registro::aggiungiAlunno(qint64 classe, const QString& nome) {
    QSqlQuery query(db());
    query.prepare(QStringLiteral("INSERT OR IGNORE INTO alunni (classe, nome) VALUES (?, ?)"));
    query.addBindValue(classe);
    query.addBindValue(nome.trimmed());
    query.exec();
    query.prepare(QStringLiteral("SELECT id FROM alunni WHERE classe = ? AND nome = ?"));
    query.addBindValue(classe);
    query.addBindValue(nome.trimmed());
    return query.exec() && query.next() ? query.value(0).toLongLong() : 0;
}

bool Registro::eliminaAlunno(qint64 alunno) {
    QSqlQuery query(db());
    query.prepare(QStringLiteral("DELETE FROM alunni WHERE id = ?"));
    query.addBindValue(alunno);
    return query.exec();
}

bool Registro::eliminaClasse(qint64 classe) {
    QSqlQuery query(db());
    query.prepare(QStringLiteral("DELETE FROM classi WHERE id = ?"));
    query.addBindValue(classe);
    return query.exec();
}

int Registro::eliminaPrimaDi(const QDate& giorno) {
    const qint64 limite = giorno.startOfDay().toMSecsSinceEpoch();
    QSqlDatabase base = db();
    base.transaction();
    QSqlQuery query(base);
    query.prepare(QStringLiteral("DELETE FROM risposte WHERE quando < ?"));
    query.addBindValue(limite);
    query.exec();
    const int tolte = query.numRowsAffected();
    query.prepare(QStringLiteral("DELETE FROM sessioni WHERE inizio < ?"));
    query.addBindValue(limite);
    query.exec();
    base.commit();
    return tolte;
}

QList<Classe> Registro::classiDelServer() {
    const std::optional<ServerRegistro::Indirizzo> indirizzo = ServerRegistro::leggi(server_);
    if (!indirizzo)
        return {};
    const QString connessione = connessione_ + QStringLiteral("-server");
    std::optional<QList<Classe>> letti;
    {
        QSqlDatabase db = ServerRegistro::apri(*indirizzo, connessione, nullptr);
        if (db.isOpen())
            letti = ServerRegistro::classi(db);
    }
    QSqlDatabase::removeDatabase(connessione);
    if (!letti)
        return daJson(impostazione(kClassiServer).toUtf8());
    impostaImpostazione(kClassiServer, QString::fromUtf8(inJson(*letti)));
    return *letti;
}

std::unique_ptr<Registrazione> Registro::registrazionePer(const Alunno& alunno) {
    return std::make_unique<RegistrazioneAlunno>(*scrittore_, alunno.id);
}

QString Registro::impostazione(const QString& chiave) const {
    QSqlQuery query(db());
    query.prepare(QStringLiteral("SELECT valore FROM impostazioni WHERE chiave = ?"));
    query.addBindValue(chiave);
    return query.exec() && query.next() ? query.value(0).toString() : QString();
}

bool Registro::impostaImpostazione(const QString& chiave, const QString& valore) {
    QSqlQuery query(db());
    query.prepare(
        QStringLiteral("INSERT OR REPLACE INTO impostazioni (chiave, valore) VALUES (?, ?)"));
    query.addBindValue(chiave);
    query.addBindValue(valore);
    return query.exec();
}

} // namespace vocario
