#pragma once

#include "registerfile/operazione.h"
#include "review/ripasso.h"
#include "serverregistro.h"

#include <QString>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace vocario {

/// Sends the PC's answers to the school's server, off the window's thread.
/// The writer puts them first into the PC's own file (the table in_uscita);
/// the sender takes them from there in batches and removes them only after
/// the server has committed them. A server away is tried again later, at
/// longer and longer intervals; the pupils never wait for it. The server
/// gives up a statement of the sender's after a few seconds, and the end of
/// the program interrupts a round under way: it never waits for the server.
///
/// It is also the only one that connects to the server for the pupils'
/// side: it reads the classes and pupils there (at its first round, at each
/// forced round, and every minute) into the file's copy that "Chi gioca?"
/// shows, and tells the server how many answers of this PC still wait.
class MittenteRegistro {
  public:
    /// `pc`: this PC's id (a uuid kept in its file) and the name the
    /// teacher's view shows for it.
    struct Pc {
        QString id = {};
        QString nome = {};
    };
    /// `classiCambiate` is called on the sender's thread after it has
    /// written classes or pupils other than those of the file's copy.
    MittenteRegistro(QString cartella, ServerRegistro::Indirizzo server, Pc pc,
                     std::function<void()> classiCambiate = {});
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

    /// Asks for a delivery and a reading of the classes now, and waits up
    /// to `limite` for nothing to be left; true when nothing is.
    bool svuota(std::chrono::milliseconds limite);

    /// Asks the server for the pupil's schedule at the next round, after
    /// this PC's own rows are delivered: at once, or when the server is
    /// back. It goes into the PC's copy, then to `arrivato`, called on the
    /// sender's thread. A later request takes the place of one not served.
    void chiediRipasso(qint64 alunno, std::function<void(QList<VoceRipasso>)> arrivato);

    /// The first pause after a failed delivery, doubled at each failure up
    /// to `massima`.
    void impostaAttese(std::chrono::milliseconds prima, std::chrono::milliseconds massima);

  private:
    struct PianoChiesto {
        qint64 alunno = 0;
        std::function<void(QList<VoceRipasso>)> arrivato = {};
    };
    void lavora();
    /// One batch, the pupil's schedule asked for (served: its alunno set to
    /// 0), and the classes when `classi`: false when the server (or the
    /// file) failed.
    bool consegna(bool classi, PianoChiesto& ripasso, QString* motivo, qint64* rimasti);
    bool leggiRipasso(QSqlDatabase& server, PianoChiesto& ripasso, QString* motivo);
    bool invia(QSqlDatabase& server, const std::vector<Operazione>& lotto, qint64 ultimo,
               QString* motivo, qint64* rimasti);
    bool leggiClassi(QSqlDatabase& server, QString* motivo);
    /// Opens the server's connection as one the end of the program can
    /// interrupt; false when it could not, or the program is ending.
    bool connetti(QSqlDatabase& server, QString* motivo);
    void scollega(QSqlDatabase& server);

    const QString cartella_;
    const ServerRegistro::Indirizzo server_;
    const Pc pc_;
    const QString connessioneFile_;
    const QString connessioneServer_;
    const std::function<void()> classiCambiate_;
    mutable std::mutex mutex_;
    std::condition_variable sveglia_;
    std::condition_variable giroFatto_;
    Stato stato_;
    bool fermo_ = false;
    bool subito_ = true;
    bool forzato_ = false;
    PianoChiesto ripasso_;
    /// Rounds begun and rounds done: svuota() waits for a round begun after
    /// its call, as one already under way may have read the file before the
    /// answers it waits for were written.
    quint64 iniziati_ = 0;
    quint64 giri_ = 0;
    /// For the connection while it is open.
    std::optional<ServerRegistro::Interruzione> interruzione_;
    // The sender's thread's own: the count the server was last told, and
    // when the classes were last read (0: not yet).
    qint64 riferito_ = -1;
    qint64 classiLette_ = 0;
    std::chrono::milliseconds primaAttesa_{1000};
    std::chrono::milliseconds massimaAttesa_{60000};
    std::thread thread_;
};

} // namespace vocario
