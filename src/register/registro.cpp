#include "registro.h"

#include "core/appstate.h"
#include "core/registrazione.h"
#include "elenchiclasse.h"
#include "mittenteregistro.h"
#include "options/opzionisalvate.h"
#include "registerfile/classiricordate.h"
#include "registerfile/filedanneggiato.h"
#include "registerfile/fileregistro.h"
#include "registerfile/ingressoregistro.h"
#include "serverregistro.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QUrl>
#include <QUuid>
#include <atomic>

namespace vocario {
namespace {

// Written by FileDanneggiato when a damaged file is set aside.
const QString kAvviso = QStringLiteral("avviso");
const QString kPc = QStringLiteral("pc");
const QString kNomePc = QStringLiteral("registro/pc");
// Made by the schema's step 5: the file's own identity.
const QString kIdentita = QStringLiteral("identita");

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
    // `registro`: the identity of the file the id was read from; empty when
    // the id cannot be trusted (the register not open), and the writer
    // finds the pupil by class and name.
    RegistrazioneAlunno(ScrittoreRegistro& scrittore, const Alunno& alunno, QString registro,
                        ElenchiClasse::PerGiocare elenchi)
        : scrittore_(scrittore), elenchi_(std::move(elenchi)), alunno_(alunno.id),
          chi_(alunno.classe.isEmpty() ? alunno.nome
                                       : alunno.nome + QStringLiteral(", ") + alunno.classe),
          classe_(alunno.classe), nome_(alunno.nome), registro_(std::move(registro)),
          sessione_(Operazione::nuovoId()) {
        accoda({.tipo = Operazione::Tipo::InizioSessione,
                .id = sessione_,
                .quando = adesso(),
                .alunno = alunno_});
    }
    ~RegistrazioneAlunno() override {
        esercizioLasciato();
        accoda({.tipo = Operazione::Tipo::FineSessione, .id = sessione_, .quando = adesso()});
    }

    void esercizioAperto(const QString& esercizio) override {
        esercizioLasciato();
        apertura_ = Operazione::nuovoId();
        accoda({.tipo = Operazione::Tipo::Apertura,
                .id = apertura_,
                .quando = adesso(),
                .sessione = sessione_,
                .esercizio = esercizio});
    }

    void esercizioLasciato() override {
        if (apertura_.isEmpty())
            return;
        accoda({.tipo = Operazione::Tipo::Chiusura,
                .id = std::exchange(apertura_, {}),
                .quando = adesso()});
    }

    void risposta(const RispostaData& r) override {
        accoda({.tipo = Operazione::Tipo::Risposta,
                .id = Operazione::nuovoId(),
                .quando = adesso(),
                .alunno = alunno_,
                .sessione = sessione_,
                .esercizio = r.esercizio,
                .voce = r.voce,
                .elenco = elencoDi(r),
                .dato = r.dato,
                .esatta = r.esatta,
                .secondi = r.secondi});
    }

    QString chiGioca() const override { return chi_; }
    QString cartellaElenchi() const override { return elenchi_.cartella; }

  private:
    // The class's list, by its version, when the window read the item there.
    QString elencoDi(const RispostaData& r) const {
        if (const auto versione = elenchi_.versioni.constFind(r.file);
            versione != elenchi_.versioni.cend())
            return ElenchiClasse::nelRegistro(r.file, *versione);
        return r.elencoInsegnante ? QStringLiteral("insegnante") : QStringLiteral("programma");
    }

    // Every operation names the pupil: the session's end and an exercise's
    // opening wait with the answers when the pupil must be found again.
    void accoda(Operazione operazione) {
        operazione.alunno = alunno_;
        operazione.classe = classe_;
        operazione.nome = nome_;
        operazione.registro = registro_;
        scrittore_.accoda(std::move(operazione));
    }

    ScrittoreRegistro& scrittore_;
    const ElenchiClasse::PerGiocare elenchi_;
    const qint64 alunno_;
    const QString chi_;
    const QString classe_;
    const QString nome_;
    const QString registro_;
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
    QString perche;
    if (!server_.isEmpty() && !ServerRegistro::leggi(server_, &perche)) {
        QUrl mostrato(server_);
        if (!mostrato.password().isEmpty()) // never shown, nor written to a log
            mostrato.setPassword(QStringLiteral("***"));
        errore_ = QStringLiteral("Il server del registro impostato, «%1», non si può usare: %2. "
                                 "Si scrive postgresql://utente@host:porta/database, senza "
                                 "password (la password va nel file ~/.pgpass).")
                      .arg(mostrato.isValid() ? mostrato.toString() : QStringLiteral("?"), perche);
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
        // The teacher's view tells the PCs apart by the name the
        // technician gives (registro/pc in the system-wide settings), else
        // by the start of the id: never by the host's name or a login.
        // A name with a comma reads back from the settings file as a list.
        const QVariant scritto = OpzioniSalvate::impostazioni().value(kNomePc);
        const QString nome = (scritto.typeId() == QMetaType::QStringList
                                  ? scritto.toStringList().join(QStringLiteral(", "))
                                  : scritto.toString())
                                 .trimmed();
        mittente_ = std::make_unique<MittenteRegistro>(
            cartella_, *indirizzo,
            MittenteRegistro::Pc{.id = pc,
                                 .nome = nome.isEmpty() ? QStringLiteral("PC ") + pc.left(8)
                                                        : nome.left(60)},
            [avviso = &avvisoClassi_] {
                QMetaObject::invokeMethod(avviso, &AvvisoClassi::cambiate, Qt::QueuedConnection);
            });
        scrittore_->mandaAlServer([m = mittente_.get()] { m->sveglia(); });
    }
    if (!errore_)
        identita_ = impostazione(kIdentita);
    // Also while the file cannot be used: the writer keeps what an earlier
    // run left waiting with the new answers, in the journal it rewrites.
    // Not with a server set that cannot be used: what waits is the server's.
    if (!errore_ || server_.isEmpty())
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
    erroreServer_ = server.isOpen() ? QString() : ServerRegistro::motivo(motivo);
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
        FileRegistro::chiudiStaccato(connessione_);
        errore_ = FileRegistro::apri(cartella_, connessione_).errore;
        generazione_ = attuale;
        identita_ = errore_ ? QString() : impostazione(kIdentita);
    }
    return QSqlDatabase::database(connessione_, false);
}

bool Registro::rimediaSeDanneggiato(const QSqlError& errore, bool certo) const {
    if (!certo && !FileRegistro::danneggiato(errore))
        return false;
    errore_ = FileDanneggiato::ricomincia(cartella_, connessione_, generazione_).errore;
    generazione_ = FileDanneggiato::generazione(cartella_);
    identita_ = errore_ ? QString() : impostazione(kIdentita);
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
    QStringList righe;
    if (const QString avviso = impostazione(kAvviso); !avviso.isEmpty())
        righe << avviso;
    if (classiPerse_)
        righe << QStringLiteral(
            "Il file del registro non ha più le classi che aveva (è stato cancellato o "
            "sostituito). Gli alunni giocano con i nomi di prima e le loro risposte aspettano: "
            "entrano nel registro quando la classe c'è di nuovo (per esempio importandola).");
    const ScrittoreRegistro::Stato stato = scrittore_->stato();
    if (stato.inAttesa > 0 && !stato.motivo.isEmpty())
        righe << QStringLiteral("Il registro ora non si può scrivere (%1): %2 operazioni degli "
                                "alunni aspettano in un giornale ed entrano appena si può.")
                     .arg(stato.motivo)
                     .arg(stato.inAttesa);
    if (stato.sospese > 0)
        righe << QStringLiteral("%1 risposte aspettano il loro alunno, che nel registro non c'è: "
                                "%2. Entrano nel registro quando c'è di nuovo un alunno con lo "
                                "stesso nome nella stessa classe.")
                     .arg(stato.sospese)
                     .arg(stato.perChi.join(QStringLiteral("; ")));
    return righe.join(QStringLiteral("\n\n"));
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
        query.exec(
            QStringLiteral("SELECT c.id, c.nome, a.id, a.nome, c.ripasso FROM classi c LEFT JOIN "
                           "alunni a ON a.classe = c.id ORDER BY c.nome, lower(a.nome)"));
        const QList<Classe> elenco = classiDaRighe(query);
        if (!query.lastError().isValid()) {
            FileDanneggiato::ricordaClassi(cartella_, elenco);
            if (!errore_) {
                // A file with none of the classes the copy has, and not the
                // copy's file: deleted or replaced since.
                const ClassiRicordate::Copia copia = ClassiRicordate::leggi(cartella_);
                classiPerse_ =
                    elenco.isEmpty() && !copia.classi.isEmpty() && copia.registro != identita_;
                ClassiRicordate::ricorda(cartella_, identita_, elenco);
            }
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
    const qint64 id = query.exec() && query.next() ? query.value(0).toLongLong() : 0;
    // Answers that waited for this pupil find them now.
    if (id > 0)
        scrittore_->riprovaSospese();
    return id;
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
    // All or nothing, and a refusal told as one: never "0 deleted" for a
    // deletion that did not happen.
    if (!base.isOpen() || !base.transaction())
        return -1;
    QSqlQuery query(base);
    query.prepare(QStringLiteral("DELETE FROM risposte WHERE quando < ?"));
    query.addBindValue(limite);
    bool fatto = query.exec();
    const int tolte = query.numRowsAffected();
    query.prepare(QStringLiteral("DELETE FROM sessioni WHERE inizio < ?"));
    query.addBindValue(limite);
    fatto = fatto && query.exec() && base.commit();
    if (!fatto) {
        base.rollback();
        return -1;
    }
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
    // The class's own lists, if it has any, from the PC's file: a lab's
    // copy is the server's as the sender last brought it.
    qint64 classe = 0;
    for (const Classe& c : classiPerChiGioca())
        if (c.nome == alunno.classe)
            classe = c.id;
    ElenchiClasse::PerGiocare elenchi = classe && !errore_
                                            ? ElenchiClasse::prepara(db(), cartella_, classe)
                                            : ElenchiClasse::PerGiocare{};
    if (perNome()) {
        Alunno perNome = alunno;
        perNome.id = 0;
        return std::make_unique<RegistrazioneAlunno>(*scrittore_, perNome, QString(),
                                                     std::move(elenchi));
    }
    return std::make_unique<RegistrazioneAlunno>(
        *scrittore_, alunno, suServer() ? QString() : identita_, std::move(elenchi));
}

// Not with a school's server set that cannot be used: its classes are the
// server's, which this PC has not read.
bool Registro::perNome() const {
    return (errore_.has_value() && server_.isEmpty()) || classiPerse_;
}

QList<Classe> Registro::classiRicordate() const {
    return ClassiRicordate::leggi(cartella_).classi;
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
