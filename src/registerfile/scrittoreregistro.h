#pragma once

#include "operazione.h"

#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace vocario {

/// Writes the register off the window's thread, on a connection of its own.
/// accoda() only puts the operation in a queue. A write that fails (the file
/// locked by another program, a folder that cannot be written, a full disk)
/// keeps the operations in memory and in a small journal, and is tried
/// again a little later; nothing is lost, and a retry never doubles a row.
/// A file found damaged is set aside and the answers go into a new one. An
/// operation whose pupil the file lacks (a file deleted or replaced since,
/// a pupil named while the register could not be opened) is kept in the
/// journal until the pupil is there (Intestazione).
class ScrittoreRegistro {
  public:
    /// Writes into the register of `cartella`; the journal of answers
    /// waiting is `giornale` (another folder serves when that one cannot be
    /// written).
    ScrittoreRegistro(QString cartella, QString giornale);
    /// Tries a last write; what still waits stays in the journal, read at
    /// the next start.
    ~ScrittoreRegistro();
    ScrittoreRegistro(const ScrittoreRegistro&) = delete;
    ScrittoreRegistro& operator=(const ScrittoreRegistro&) = delete;

    void accoda(Operazione operazione);

    /// What waits to be written, and why it could not be (empty when the
    /// last write worked); the answers that wait for their pupil, who is
    /// not (or no longer) in the register ("Luca, 3ª A" once per pupil).
    struct Stato {
        size_t inAttesa = 0;
        QString motivo;
        size_t sospese = 0;
        QStringList perChi = {};
    };
    Stato stato() const;

    /// Asks for a write now and waits up to `limite` for the queue to be
    /// empty; true when it is.
    bool svuota(std::chrono::milliseconds limite);

    /// The pause before a failed write is tried again.
    void impostaAttesaDopoErrore(std::chrono::milliseconds attesa);

    /// From now on the operations go into the file's outbox for the
    /// school's server (in_uscita), and `scritte` is called after each batch.
    void mandaAlServer(std::function<void()> scritte);

    /// Queues again what an earlier run left in the journals (only this
    /// user's own are read); the journals go once all of it is written.
    void riprendiGiornali();

    /// What waits for its pupil is tried again (a class imported, a pupil added).
    void riprovaSospese();

  private:
    struct Esito {
        bool scritto = false;
        /// SQLite found the file damaged: it is set aside and the batch
        /// written into a new one.
        bool danneggiato = false;
        /// FileDanneggiato::generazione of the file tried.
        int generazione = 0;
        QString motivo = {};
        /// Operations of the batch whose pupil the file lacks: kept.
        std::vector<Operazione> sospese = {};
    };
    void lavora();
    Esito scriviLotto(const std::vector<Operazione>& lotto, bool alServer);
    void scriviNelFile(const std::vector<Operazione>& lotto, bool alServer, Esito* esito);
    bool controllaFile(QSqlDatabase& db, Esito* esito);
    enum class Cambio { Nessuno, Cambiato, AltroFile };
    Cambio fileCambiato(int generazione);
    void diciSospese(const std::vector<Operazione>& sospese);
    /// `staccato`: the file at the path is another one now.
    void chiudiFile(bool staccato = false);
    void salvaGiornale();
    void togliGiornale();
    bool daGiornalizzare() const { return coda_.size() != nelGiornale_; }

    const QString cartella_;
    const QString giornale_;
    const QString connessione_;
    mutable std::mutex mutex_;
    std::condition_variable sveglia_;
    std::condition_variable svuotato_;
    std::deque<Operazione> coda_;
    /// Written nowhere yet for want of their pupil; in the journal.
    std::deque<Operazione> sospese_;
    size_t sospeseNelGiornale_ = 0;
    /// The pupils whose answers wait, told on the standard error.
    QSet<QString> detti_;
    QString motivo_;
    bool fermo_ = false;
    bool subito_ = false;
    /// A journal may exist: one this run wrote, or one of an earlier run
    /// read back. It goes once the queue is empty.
    bool giornaleScritto_ = false;
    /// The file has passed SQLite's quick check in this run (writer's thread).
    bool controllato_ = false;
    /// Operations the journal holds, when it was written last.
    size_t nelGiornale_ = 0;
    /// The file the writer's connection is open on (writer's thread):
    /// another file at its path, or the same one cut short, is opened again.
    struct FileAperto {
        bool aperto = false;
        int generazione = 0;
        quint64 dispositivo = 0;
        quint64 inode = 0;
        qint64 dimensione = 0;
    } file_;
    std::function<void()> alServer_;
    std::chrono::milliseconds attesaDopoErrore_{2000};
    /// Lives on the thread that made the writer (the window's): the writer
    /// is woken from its event loop, after the input that gave the answer.
    QObject casa_;
    /// A wake is posted and not yet delivered (read and written on casa_'s thread only).
    bool svegliaInArrivo_ = false;
    std::thread thread_;
};

} // namespace vocario
