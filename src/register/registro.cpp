#include "registro.h"

#include "core/appstate.h"
#include "core/registrazione.h"
#include "mittenteregistro.h"
#include "registerfile/filedanneggiato.h"
#include "registerfile/fileregistro.h"
#include "registerfile/ingressoregistro.h"
#include "serverregistro.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QSysInfo>
#include <QUrl>
#include <QUuid>
#include <atomic>

namespace vocario {
namespace {

// Written by FileDanneggiato when a damaged file is set aside.
const QString kAvviso = QStringLiteral("avviso");
const QString kPc = QStringLiteral("pc");

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
    RegistrazioneAlunno(ScrittoreRegistro& scrittore, const Alunno& alunno)
        : scrittore_(scrittore), alunno_(alunno.id),
          chi_(alunno.classe.isEmpty() ? alunno.nome
                                       : alunno.nome + QStringLiteral(", ") + alunno.classe),
          sessione_(Operazione::nuovoId()) {
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

    QString chiGioca() const override { return chi_; }

  private:
    ScrittoreRegistro& scrittore_;
    const qint64 alunno_;
    const QString chi_;
    const QByteArray sessione_;
    QByteArray apertura_;
};

} // namespace

QString Registro::cartella(const AppState& stato) {
    return IngressoRegistro::cartella(stato);
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
    // A server that is set but cannot be used is said, never passed over
    // for the PC's own file: the lab's classes are on the server.
    if (!server_.isEmpty() && !ServerRegistro::leggi(server_)) {
        QUrl mostrato(server_);
        if (!mostrato.password().isEmpty()) // never shown, nor written to a log
            mostrato.setPassword(QStringLiteral("***"));
        errore_ = QStringLiteral("Il server del registro impostato, «%1», non è l'indirizzo di un "
                                 "server: si scrive postgresql://utente@host:porta/database, senza "
                                 "password (la password va nel file ~/.pgpass).")
                      .arg(mostrato.isValid() ? mostrato.toString() : QStringLiteral("?"));
    }
    scrittore_ =
        std::make_unique<ScrittoreRegistro>(cartella_, percorsoFile() + QStringLiteral("-attesa"));
    if (const std::optional<ServerRegistro::Indirizzo> indirizzo = ServerRegistro::leggi(server_);
        indirizzo && !errore_) {
        QString pc = impostazione(kPc);
        if (pc.isEmpty()) {
            pc = QUuid::createUuid().toString(QUuid::WithoutBraces);
            impostaImpostazione(kPc, pc);
        }
        const QString utente = qEnvironmentVariable("USER");
        mittente_ = std::make_unique<MittenteRegistro>(
            cartella_, *indirizzo,
            MittenteRegistro::Pc{.id = pc,
                                 .nome = QSysInfo::machineHostName() +
                                         (utente.isEmpty() ? QString() : u'/' + utente)},
            [avviso = &avvisoClassi_] {
                QMetaObject::invokeMethod(avviso, &AvvisoClassi::cambiate, Qt::QueuedConnection);
            });
        scrittore_->mandaAlServer([m = mittente_.get()] { m->sveglia(); });
    }
    if (!errore_)
        leggiGiornali();
}

Registro::~Registro() {
    scrittore_.reset();
    mittente_.reset();
    FileRegistro::chiudi(connessione_);
    if (QSqlDatabase::contains(connessioneVista()))
        QSqlDatabase::removeDatabase(connessioneVista());
}

QString Registro::connessioneVista() const {
    return connessione_ + QStringLiteral("-server");
}

bool Registro::suServer() const {
    return mittente_ != nullptr;
}

QSqlDatabase Registro::dbVista() {
    if (!suServer())
        return db();
    QSqlDatabase server = QSqlDatabase::database(connessioneVista(), false);
    if (server.isOpen() || (server.isValid() && !riprovaVista_))
        return server;
    riprovaVista_ = false;
    QString motivo;
    server = ServerRegistro::apri(ServerRegistro::perInsegnante(*ServerRegistro::leggi(server_)),
                                  connessioneVista(), &motivo);
    erroreServer_ = server.isOpen() ? QString() : motivo;
    return server;
}

void Registro::ricollegaVista() {
    riprovaVista_ = true;
    if (QSqlDatabase::contains(connessioneVista()))
        QSqlDatabase::database(connessioneVista(), false).close();
}

QString Registro::erroreServer() const {
    return erroreServer_;
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
    scrittore_->riprendiGiornali();
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

QList<Classe> Registro::classi() {
    if (!suServer())
        return classiPerChiGioca();
    QSqlDatabase server = dbVista();
    const std::optional<QList<Classe>> letti =
        server.isOpen() ? ServerRegistro::classi(server) : std::nullopt;
    if (!letti)
        return classiSalvate();
    // This PC's "Chi gioca?" shows at once what the teacher has just changed.
    impostaImpostazione(QLatin1String(kClassiDelServer), QString::fromUtf8(classiInJson(*letti)));
    return *letti;
}

QList<Classe> Registro::classiPerChiGioca() const {
    if (suServer())
        return classiSalvate();
    for (int prova = 0; prova < 2; ++prova) {
        QSqlQuery query(db());
        query.exec(QStringLiteral("SELECT c.id, c.nome, a.id, a.nome FROM classi c LEFT JOIN "
                                  "alunni a ON a.classe = c.id ORDER BY c.nome, lower(a.nome)"));
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

QList<Classe> Registro::classiSalvate() const {
    return classiDaJson(impostazione(QLatin1String(kClassiDelServer)).toUtf8());
}

bool Registro::ciSonoClassi() const {
    if (suServer())
        return !classiSalvate().isEmpty();
    QSqlQuery query(db());
    return query.exec(QStringLiteral("SELECT 1 FROM classi LIMIT 1")) && query.next();
}

bool Registro::attendeClassi() const {
    return suServer() && impostazione(QLatin1String(kClassiDelServer)).isEmpty();
}

std::optional<Alunno> Registro::trovaAlunno(const QString& nome) {
    return trovaIn(classi(), nome);
}

QStringList Registro::classiCon(const QList<Classe>& classi, const QString& nome) {
    QStringList trovate;
    for (const Classe& c : classi)
        for (const Alunno& a : c.alunni)
            if (a.nome.compare(nome.trimmed(), Qt::CaseInsensitive) == 0)
                trovate << c.nome;
    return trovate;
}

std::optional<Alunno> Registro::trovaIn(const QList<Classe>& classi, const QString& nome) {
    const QString classe = nome.contains(u'/') ? nome.section(u'/', 0, 0).trimmed() : QString();
    const QString soloNome = nome.section(u'/', -1).trimmed();
    if (classe.isEmpty() && classiCon(classi, soloNome).size() > 1)
        return std::nullopt;
    for (const Classe& c : classi) {
        if (!classe.isEmpty() && c.nome.compare(classe, Qt::CaseInsensitive) != 0)
            continue;
        for (const Alunno& a : c.alunni)
            if (a.nome.compare(soloNome, Qt::CaseInsensitive) == 0)
                return a;
    }
    return std::nullopt;
}

// The classes and pupils, and their removal, go where the view reads: the
// school's server when one is set. The statements are those both engines take.
qint64 Registro::aggiungiClasse(const QString& nome) {
    QSqlQuery query(dbVista());
    query.prepare(QStringLiteral("INSERT INTO classi (nome) VALUES (?) ON CONFLICT DO NOTHING"));
    query.addBindValue(nome.trimmed());
    query.exec();
    query.prepare(QStringLiteral("SELECT id FROM classi WHERE nome = ?"));
    query.addBindValue(nome.trimmed());
    return query.exec() && query.next() ? query.value(0).toLongLong() : 0;
}

qint64 Registro::aggiungiAlunno(qint64 classe, const QString& nome) {
    QSqlQuery query(dbVista());
    query.prepare(
        QStringLiteral("INSERT INTO alunni (classe, nome) VALUES (?, ?) ON CONFLICT DO NOTHING"));
    query.addBindValue(classe);
    query.addBindValue(nome.trimmed());
    query.exec();
    query.prepare(QStringLiteral("SELECT id FROM alunni WHERE classe = ? AND nome = ?"));
    query.addBindValue(classe);
    query.addBindValue(nome.trimmed());
    return query.exec() && query.next() ? query.value(0).toLongLong() : 0;
}

bool Registro::eliminaAlunno(qint64 alunno) {
    QSqlQuery query(dbVista());
    query.prepare(QStringLiteral("DELETE FROM alunni WHERE id = ?"));
    query.addBindValue(alunno);
    return query.exec();
}

bool Registro::eliminaClasse(qint64 classe) {
    QSqlQuery query(dbVista());
    query.prepare(QStringLiteral("DELETE FROM classi WHERE id = ?"));
    query.addBindValue(classe);
    return query.exec();
}

int Registro::contaPrimaDi(const QDate& giorno) {
    QSqlQuery query(dbVista());
    query.prepare(QStringLiteral("SELECT count(*) FROM risposte WHERE quando < ?"));
    query.addBindValue(giorno.startOfDay().toMSecsSinceEpoch());
    return query.exec() && query.next() ? query.value(0).toInt() : -1;
}

int Registro::eliminaPrimaDi(const QDate& giorno) {
    const qint64 limite = giorno.startOfDay().toMSecsSinceEpoch();
    QSqlDatabase base = dbVista();
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

QList<Registro::AttesaPc> Registro::atteseDeiPc() {
    QList<AttesaPc> elenco;
    if (!suServer())
        return elenco;
    QSqlQuery query(dbVista());
    query.exec(QStringLiteral("SELECT nome, in_attesa, aggiornato FROM attese ORDER BY nome"));
    while (query.next())
        elenco.append({.nome = query.value(0).toString(),
                       .inAttesa = query.value(1).toLongLong(),
                       .aggiornato = QDateTime::fromMSecsSinceEpoch(query.value(2).toLongLong())});
    return elenco;
}

std::unique_ptr<Registrazione> Registro::registrazionePer(const Alunno& alunno) {
    return std::make_unique<RegistrazioneAlunno>(*scrittore_, alunno);
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
