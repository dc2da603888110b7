#pragma once

#include "serverregistro.h"

#include <QString>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace vocario {

/// Sends the PC's answers to the school's server, off the window's thread.
/// The writer puts them first into the PC's own file (the table in_uscita);
/// the sender takes them from there in batches and removes them only after
/// the server has committed them. A server away is tried again later, at
/// longer and longer intervals; the pupils never wait for it.
class MittenteRegistro {
  public:
    MittenteRegistro(QString cartella, ServerRegistro::Indirizzo server);
    ~MittenteRegistro();
    MittenteRegistro(const MittenteRegistro&) = delete;
    MittenteRegistro& operator=(const MittenteRegistro&) = delete;

    /// The writer has put answers into the file.
    void sveglia();

    /// How many answers of this PC wait for the server, and why (empty
    /// when the last delivery worked).
    struct Stato {
        qint64 inAttesa = 0;
        QString motivo;
    };
    Stato stato() const;

    /// Asks for a delivery now and waits up to `limite` for nothing to be
    /// left; true when nothing is.
    bool svuota(std::chrono::milliseconds limite);

    /// The first pause after a failed delivery, doubled at each failure up
    /// to `massima`.
    void impostaAttese(std::chrono::milliseconds prima, std::chrono::milliseconds massima);

  private:
    void lavora();
    /// One batch: false when the server (or the file) failed.
    bool consegna(QString* motivo, qint64* rimasti);

    const QString cartella_;
    const ServerRegistro::Indirizzo server_;
    const QString connessioneFile_;
    const QString connessioneServer_;
    mutable std::mutex mutex_;
    std::condition_variable sveglia_;
    std::condition_variable giroFatto_;
    Stato stato_;
    bool fermo_ = false;
    bool subito_ = true;
    bool forzato_ = false;
    quint64 giri_ = 0;
    std::chrono::milliseconds primaAttesa_{1000};
    std::chrono::milliseconds massimaAttesa_{60000};
    std::thread thread_;
};

} // namespace vocario
