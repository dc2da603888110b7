#include "scrittoreregistro.h"

#include "filedanneggiato.h"
#include "fileregistro.h"
#include "giornale.h"
#include "prioritafondo.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <atomic>
#include <utility>

namespace vocario {
namespace {

// Operations written in one transaction: one commit for many answers.
constexpr size_t kOperazioniPerLotto = 500;

QString connessioneDelloScrittore() {
    static std::atomic<int> contatore{0};
    return QStringLiteral("registro-scrittore-%1").arg(++contatore);
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
    return {.inAttesa = coda_.size(), .motivo = motivo_};
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
            FileRegistro::chiudi(connessione_);
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
            motivo_ = esito.motivo;
            errore = true;
            riprova = std::chrono::steady_clock::now() + attesaDopoErrore_;
            salvaGiornale();
            if (fermo_)
                break;
        }
    }
}

ScrittoreRegistro::Esito ScrittoreRegistro::scriviLotto(const std::vector<Operazione>& lotto,
                                                        bool alServer) {
    // Opened for each batch and closed after: a file made read-only or
    // replaced meanwhile is seen at the next write, and the log is folded
    // back into the file whenever the program rests.
    const std::unique_lock blocco = FileDanneggiato::bloccaFile();
    Esito esito{.generazione = FileDanneggiato::generazione(cartella_)};
    {
        FileRegistro::Apertura apertura =
            FileRegistro::apri(cartella_, connessione_, FileRegistro::Modo::SoloEsistente);
        QSqlDatabase& db = apertura.db;
        QSqlError errore;
        if (apertura.errore) {
            esito.motivo = *apertura.errore;
            esito.danneggiato = apertura.danneggiato;
        } else if (!controllato_ && !controllaFile(db, &esito)) {
            // A file cut short or damaged where nothing has read yet is set
            // aside before anything is written into it.
        } else if (!db.transaction()) {
            errore = db.lastError();
        } else {
            bool scritto = true;
            QSqlQuery inUscita(db);
            for (const Operazione& operazione : lotto) {
                if (alServer) {
                    inUscita.prepare(QStringLiteral("INSERT INTO in_uscita (riga) VALUES (?)"));
                    inUscita.addBindValue(operazione.inGiornale());
                    scritto = inUscita.exec();
                    if (!scritto)
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
            if (!scritto)
                db.rollback();
            esito.scritto = scritto;
        }
        if (errore.isValid()) {
            esito.motivo = errore.text();
            esito.danneggiato = FileRegistro::danneggiato(errore);
        }
    }
    FileRegistro::chiudi(connessione_);
    return esito;
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
    for (const Operazione& operazione : coda_)
        testo += operazione.inGiornale();
    const QStringList percorsi = Giornale::percorsi(giornale_);
    // Tried once for these operations, kept or not: the next answer tries again.
    nelGiornale_ = coda_.size();
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
    if (!giornaleScritto_)
        return;
    for (const QString& percorso : Giornale::percorsi(giornale_))
        if (Giornale::fidato(percorso))
            QFile::remove(percorso);
    giornaleScritto_ = false;
    nelGiornale_ = 0;
}

} // namespace vocario
