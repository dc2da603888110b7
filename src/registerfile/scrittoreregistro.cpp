#include "scrittoreregistro.h"

#include "filedanneggiato.h"
#include "fileregistro.h"
#include "giornale.h"
#include "intestazione.h"
#include "prioritafondo.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <atomic>
#include <cstdio>
#include <sys/stat.h>
#include <utility>

namespace vocario {
namespace {

// Operations written in one transaction: one commit for many answers.
constexpr size_t kOperazioniPerLotto = 500;

QString connessioneDelloScrittore() {
    static std::atomic<int> contatore{0};
    return QStringLiteral("registro-scrittore-%1").arg(++contatore);
}

// The school's classes as the sender last brought them into the file.
QList<Classe> classiDelServer(QSqlDatabase& db) {
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT valore FROM impostazioni WHERE chiave = ?"));
    query.addBindValue(QLatin1String(kClassiDelServer));
    return query.exec() && query.next() ? classiDaJson(query.value(0).toByteArray())
                                        : QList<Classe>();
}

} // namespace

ScrittoreRegistro::ScrittoreRegistro(QString cartella, QString giornale)
    : cartella_(std::move(cartella)), giornale_(std::move(giornale)),
      connessione_(connessioneDelloScrittore()), thread_([this] { lavora(); }) {}

ScrittoreRegistro::~ScrittoreRegistro() {
    {
        std::lock_guard lock(mutex_);
        fermo_ = true;
    }
    sveglia_.notify_all();
    thread_.join();
}

void ScrittoreRegistro::riprendiGiornali() {
    std::deque<Operazione> ripresi;
    for (const QString& percorso : Giornale::percorsi(giornale_)) {
        QFile file(percorso);
        if (!Giornale::fidato(percorso) || !file.open(QIODevice::ReadOnly))
            continue;
        while (!file.atEnd())
            if (std::optional<Operazione> op = Operazione::dalGiornale(file.readLine()))
                ripresi.push_back(std::move(*op));
    }
    {
        std::lock_guard lock(mutex_);
        if (ripresi.empty())
            return;
        // Ids already in the file are not written twice; once all is in,
        // the journals go, whichever run wrote them.
        giornaleScritto_ = true;
        coda_.insert(coda_.begin(), ripresi.begin(), ripresi.end());
    }
    sveglia_.notify_one();
}

void ScrittoreRegistro::riprovaSospese() {
    {
        std::lock_guard lock(mutex_);
        if (sospese_.empty())
            return;
        coda_.insert(coda_.begin(), sospese_.begin(), sospese_.end());
        sospese_.clear();
        sospeseNelGiornale_ = 0;
    }
    sveglia_.notify_one();
}

// On the window's thread the writer is woken once the window is done with
// the pupil's input: waking it is the call's one system call, a point where
// a busy machine may hand the core to another program mid-answer.
void ScrittoreRegistro::accoda(Operazione operazione) {
    {
        std::lock_guard lock(mutex_);
        coda_.push_back(std::move(operazione));
    }
    QThread* qui = QThread::currentThread();
    if (qui != casa_.thread() || qui->loopLevel() == 0) {
        sveglia_.notify_one();
        return;
    }
    if (!std::exchange(svegliaInArrivo_, true))
        QMetaObject::invokeMethod(
            &casa_,
            [this] {
                svegliaInArrivo_ = false;
                sveglia_.notify_one();
            },
            Qt::QueuedConnection);
}

ScrittoreRegistro::Stato ScrittoreRegistro::stato() const {
    std::lock_guard lock(mutex_);
    Stato stato{.inAttesa = coda_.size(), .motivo = motivo_};
    for (const Operazione& operazione : sospese_) {
        if (operazione.tipo != Operazione::Tipo::Risposta)
            continue;
        ++stato.sospese;
        const QString chi = operazione.classe.isEmpty()
                                ? operazione.nome
                                : operazione.nome + QStringLiteral(", ") + operazione.classe;
        if (!stato.perChi.contains(chi))
            stato.perChi << chi;
    }
    return stato;
}

bool ScrittoreRegistro::svuota(std::chrono::milliseconds limite) {
    std::unique_lock lock(mutex_);
    subito_ = true;
    sveglia_.notify_one();
    return svuotato_.wait_for(lock, limite, [this] { return coda_.empty(); });
}

void ScrittoreRegistro::impostaAttesaDopoErrore(std::chrono::milliseconds attesa) {
    std::lock_guard lock(mutex_);
    attesaDopoErrore_ = attesa;
}

void ScrittoreRegistro::mandaAlServer(std::function<void()> scritte) {
    std::lock_guard lock(mutex_);
    alServer_ = std::move(scritte);
}

void ScrittoreRegistro::lavora() {
    threadDiFondo();
    std::unique_lock lock(mutex_);
    bool errore = false;
    bool appenaRicominciato = false;
    std::chrono::steady_clock::time_point riprova;
    for (;;) {
        if (errore) {
            // While the file cannot be written, an answer given meanwhile
            // reaches the journal at once, not at the next try.
            sveglia_.wait_until(lock, riprova,
                                [this] { return fermo_ || subito_ || daGiornalizzare(); });
            if (!fermo_ && !subito_ && std::chrono::steady_clock::now() < riprova) {
                salvaGiornale();
                continue;
            }
        } else
            sveglia_.wait(lock, [this] { return fermo_ || subito_ || !coda_.empty(); });
        subito_ = false;
        if (coda_.empty()) {
            svuotato_.notify_all();
            if (fermo_)
                break;
            continue;
        }
        const size_t quanti = std::min(coda_.size(), kOperazioniPerLotto);
        const std::vector<Operazione> lotto(coda_.begin(), coda_.begin() + qsizetype(quanti));
        const std::function<void()> alServer = alServer_;
        lock.unlock();
        Esito esito = scriviLotto(lotto, bool(alServer));
        // Once per damage: a new file that fails at once waits as any fault.
        if (esito.danneggiato && !appenaRicominciato) {
            const FileDanneggiato::Esito rimedio =
                FileDanneggiato::ricomincia(cartella_, connessione_, esito.generazione);
            chiudiFile();
            if (!rimedio.errore) {
                appenaRicominciato = true;
                lock.lock();
                subito_ = true; // the same batch, into the new file
                continue;
            }
            esito.motivo = *rimedio.errore;
        }
        if (esito.scritto && alServer)
            alServer();
        lock.lock();
        if (esito.scritto) {
            coda_.erase(coda_.begin(), coda_.begin() + qsizetype(quanti));
            sospese_.insert(sospese_.end(), esito.sospese.begin(), esito.sospese.end());
            diciSospese(esito.sospese);
            motivo_.clear();
            errore = false;
            appenaRicominciato = false;
            if (coda_.empty()) {
                togliGiornale();
                svuotato_.notify_all();
            } else {
                subito_ = true; // the rest at once
            }
        } else {
            // The technician reads it where the program was started, once.
            if (esito.motivo != motivo_)
                std::fputs(qPrintable(QStringLiteral("vocario: le risposte aspettano in un "
                                                     "giornale: %1\n")
                                          .arg(esito.motivo)),
                           stderr);
            motivo_ = esito.motivo;
            errore = true;
            riprova = std::chrono::steady_clock::now() + attesaDopoErrore_;
            salvaGiornale();
            if (fermo_)
                break;
        }
    }
    lock.unlock();
    chiudiFile();
}

ScrittoreRegistro::Esito ScrittoreRegistro::scriviLotto(const std::vector<Operazione>& lotto,
                                                        bool alServer) {
    // One connection for the run: a batch neither opens the file again nor
    // folds the log back into it (SQLite does that every thousand pages). A
    // file deleted, replaced or cut short meanwhile is seen before the
    // batch and opened again; a failed write opens it again next time.
    const std::unique_lock blocco = FileDanneggiato::bloccaFile();
    Esito esito{.generazione = FileDanneggiato::generazione(cartella_)};
    if (const Cambio cambio = fileCambiato(esito.generazione); cambio != Cambio::Nessuno)
        chiudiFile(cambio == Cambio::AltroFile);
    if (!file_.aperto) {
        {
            const FileRegistro::Apertura apertura =
                FileRegistro::apri(cartella_, connessione_, FileRegistro::Modo::SoloEsistente);
            esito.motivo = apertura.errore.value_or(QString());
            esito.danneggiato = apertura.danneggiato;
        }
        if (!esito.motivo.isEmpty()) {
            chiudiFile();
            return esito;
        }
        file_.aperto = true;
        file_.generazione = esito.generazione;
        fileCambiato(esito.generazione); // takes the file's identity
    }
    scriviNelFile(lotto, alServer, &esito);
    if (!esito.scritto)
        chiudiFile();
    else
        fileCambiato(esito.generazione);
    return esito;
}

void ScrittoreRegistro::scriviNelFile(const std::vector<Operazione>& lotto, bool alServer,
                                      Esito* esito) {
    QSqlDatabase db = QSqlDatabase::database(connessione_, false);
    QSqlError errore;
    if (!controllato_ && !controllaFile(db, esito)) {
        // A file cut short or damaged where nothing has read yet is set
        // aside before anything is written into it.
    } else if (!db.transaction()) {
        errore = db.lastError();
    } else {
        bool scritto = true;
        QSqlQuery inUscita(db);
        // By id where the id is the same child's; by class and name where
        // it may not be; kept where this register lacks the pupil.
        Intestazione intestazione = alServer ? Intestazione(classiDelServer(db)) : Intestazione(db);
        for (const Operazione& originale : lotto) {
            const Intestazione::Verdetto verdetto = intestazione.per(originale);
            if (verdetto.esito == Intestazione::Esito::Sospeso) {
                esito->sospese.push_back(originale);
                continue;
            }
            if (verdetto.esito == Intestazione::Esito::Eliminato)
                continue;
            Operazione operazione = originale;
            operazione.alunno = verdetto.alunno;
            if (alServer) {
                // A pupil's schedule is kept on the PC too, for the server away.
                scritto =
                    operazione.tipo != Operazione::Tipo::Ripasso || operazione.scrivi(db, &errore);
                inUscita.prepare(QStringLiteral("INSERT INTO in_uscita (riga) VALUES (?)"));
                inUscita.addBindValue(operazione.inGiornale());
                scritto = scritto && inUscita.exec();
                if (!scritto && !errore.isValid())
                    errore = inUscita.lastError();
            } else {
                scritto = operazione.scrivi(db, &errore);
            }
            if (!scritto)
                break;
        }
        if (scritto && !db.commit()) {
            errore = db.lastError();
            scritto = false;
        }
        if (!scritto) {
            db.rollback();
            esito->sospese.clear();
        }
        esito->scritto = scritto;
    }
    if (errore.isValid()) {
        esito->motivo = errore.text();
        esito->danneggiato = FileRegistro::danneggiato(errore);
    }
}

// Whether the file at the register's path is still the one the connection
// has open: gone, started again after damage, shorter than it was (cut
// short: checked again before any write), or another file. With the same
// file, takes its size as it is now.
ScrittoreRegistro::Cambio ScrittoreRegistro::fileCambiato(int generazione) {
    if (!file_.aperto)
        return Cambio::Nessuno;
    // Set aside after damage: a new file, with its own log, has its path.
    if (generazione != file_.generazione)
        return Cambio::AltroFile;
    struct stat info {};
    if (::stat(QFile::encodeName(FileRegistro::percorso(cartella_)).constData(), &info) != 0)
        return Cambio::Cambiato;
    if (file_.inode != 0 &&
        (quint64(info.st_dev) != file_.dispositivo || quint64(info.st_ino) != file_.inode))
        return Cambio::AltroFile;
    if (qint64(info.st_size) < file_.dimensione) {
        controllato_ = false;
        return Cambio::Cambiato;
    }
    file_.dispositivo = quint64(info.st_dev);
    file_.inode = quint64(info.st_ino);
    file_.dimensione = qint64(info.st_size);
    return Cambio::Nessuno;
}

// Called with the lock held; once per pupil and run.
void ScrittoreRegistro::diciSospese(const std::vector<Operazione>& sospese) {
    for (const Operazione& operazione : sospese) {
        const QString chi =
            operazione.classe.isEmpty()
                ? QStringLiteral("«%1»").arg(operazione.nome)
                : QStringLiteral("«%1» della classe «%2»").arg(operazione.nome, operazione.classe);
        if (detti_.contains(chi))
            continue;
        detti_.insert(chi);
        std::fputs(qPrintable(QStringLiteral("vocario: nel registro non c'è l'alunno %1: le sue "
                                             "risposte aspettano in un giornale.\n")
                                  .arg(chi)),
                   stderr);
    }
}

void ScrittoreRegistro::chiudiFile(bool staccato) {
    if (staccato)
        FileRegistro::chiudiStaccato(connessione_);
    else
        FileRegistro::chiudi(connessione_);
    file_ = {};
}

// Once a run, on the writer's thread: SQLite's quick check of every page.
bool ScrittoreRegistro::controllaFile(QSqlDatabase& db, Esito* esito) {
    QSqlQuery controllo(db);
    const bool letto = controllo.exec(QStringLiteral("PRAGMA quick_check")) && controllo.next();
    const QString risposta = letto ? controllo.value(0).toString() : controllo.lastError().text();
    if (letto && risposta == u"ok") {
        controllato_ = true;
        return true;
    }
    esito->danneggiato = true;
    esito->motivo = QStringLiteral("Il file del registro è danneggiato (%1).").arg(risposta);
    return false;
}

// Called with the lock held: the queue as it is, one line per operation,
// in the register's folder or, when that cannot take it, in this user's own.
void ScrittoreRegistro::salvaGiornale() {
    QByteArray testo;
    for (const std::deque<Operazione>* parte : {&sospese_, &coda_})
        for (const Operazione& operazione : *parte)
            testo += operazione.inGiornale();
    const QStringList percorsi = Giornale::percorsi(giornale_);
    // Tried once for these operations, kept or not: the next answer tries again.
    nelGiornale_ = coda_.size();
    sospeseNelGiornale_ = sospese_.size();
    for (qsizetype k = 0; k < 2; ++k)
        if (Giornale::scrivi(percorsi[k], testo)) {
            giornaleScritto_ = true;
            // One journal only: an older one elsewhere would come back.
            for (qsizetype altro = 0; altro < percorsi.size(); ++altro)
                if (altro != k)
                    QFile::remove(percorsi[altro]);
            return;
        }
}

void ScrittoreRegistro::togliGiornale() {
    // What waits for its pupil stays, alone, in the journal.
    if (!sospese_.empty()) {
        if (sospeseNelGiornale_ != sospese_.size() || nelGiornale_ != 0)
            salvaGiornale();
        return;
    }
    if (!giornaleScritto_)
        return;
    for (const QString& percorso : Giornale::percorsi(giornale_))
        if (Giornale::fidato(percorso))
            QFile::remove(percorso);
    giornaleScritto_ = false;
    nelGiornale_ = 0;
    sospeseNelGiornale_ = 0;
}

} // namespace vocario
