#pragma once

#include <QByteArray>
#include <QList>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <optional>

namespace vocario {

/// One thing to write into the register: an answer, or the start or end of a
/// session or of an exercise opened. Made on the window's thread, written on
/// the writer's; its id, made on the PC, makes writing it twice harmless.
struct Operazione {
    /// Ripasso: the items of the pupil's schedule their answers changed
    /// (in `dato`, as PianoRipasso::inJson writes them), sent after them.
    enum class Tipo { Risposta, InizioSessione, FineSessione, Apertura, Chiusura, Ripasso };
    Tipo tipo = Tipo::Risposta;
    /// A UUID's 16 bytes: the answer's, the session's or the opening's own.
    QByteArray id = {};
    /// Milliseconds since 1970, UTC.
    qint64 quando = 0;
    qint64 alunno = 0;
    /// The session (of an answer or an opening).
    QByteArray sessione = {};
    QString esercizio = {};
    QString voce = {};
    QString elenco = {};
    QString dato = {};
    bool esatta = false;
    double secondi = 0;
    /// Whose play it is, by name, for when the id cannot be trusted: the
    /// pupil's class and name, and the identity of the file `alunno` was
    /// read from (empty when the register could not be opened). Empty in
    /// lines of earlier versions, which are written by id alone.
    QString classe = {};
    QString nome = {};
    QString registro = {};

    /// A new id.
    static QByteArray nuovoId();

    /// Writes the operation; false with SQLite's error in `errore` when it
    /// could not.
    bool scrivi(QSqlDatabase& db, QSqlError* errore) const;
    /// The same on the school's PostgreSQL server (operazioneserver.cpp),
    /// through the functions the PCs' role may call, stamped with this PC's
    /// id `pc` (a uuid). False with the driver's error when the server could
    /// not be asked; true otherwise, with the server's reason in `rifiuto`
    /// when it refused the row.
    bool scriviSulServer(QSqlDatabase& db, const QString& pc, QString* errore,
                         QString* rifiuto = nullptr) const;

    /// One line of the journal of answers waiting, and back.
    QByteArray inGiornale() const;
    static std::optional<Operazione> dalGiornale(const QByteArray& riga);
};

} // namespace vocario
