#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <chrono>
#include <functional>
#include <optional>

namespace vocario {

class Registro;

/// The teacher's password of the register and its recovery key, each kept
/// only as a salted PBKDF2 (HMAC-SHA-256) hash in the register's settings.
/// They keep pupils out of the program's "Registro" window, not out of the
/// file: whoever uses the same computer account reads it with sqlite3.
/// Forgotten, the password is removed by `vocario --azzera-password` with
/// the recovery key, which keeps the data.
namespace PasswordInsegnante {

/// PBKDF2 with HMAC-SHA-256 (RFC 8018), the same as Qt Network's
/// QPasswordDigestor::deriveKeyPbkdf2, without bringing Qt Network into the
/// program.
QByteArray pbkdf2(const QByteArray& password, const QByteArray& sale, int iterazioni,
                  int lunghezza);

/// The time a guess is made at; the tests set their own.
using Orologio = std::function<QDateTime()>;

bool impostata(const Registro& registro);
/// Sets the password, with a new random salt, and a new recovery key: the
/// key, to be shown to the teacher this once; nothing when they could not
/// be saved.
std::optional<QString> imposta(Registro& registro, const QString& password);
/// The hash comparison alone, counting nothing: a guess goes through
/// provaPassword.
bool corretta(const Registro& registro, const QString& password);
/// False for a password set by a version that made no recovery key.
bool haChiaveDiRecupero(const Registro& registro);
/// Removes the password, its recovery key and the count of wrong guesses.
bool azzera(Registro& registro);

/// 16 symbols from the system's cryptographic source, in groups of four
/// ("K7QF-9M2D-XW4P-HT6R"), from an alphabet without 0/O and 1/I.
QString nuovaChiaveDiRecupero();
/// The key as it is compared: capitals, without spaces and hyphens; empty
/// when `scritta` cannot be a recovery key.
QString chiaveNormalizzata(const QString& scritta);

/// The wait before the next guess is heard after `sbagliate` wrong ones in
/// a row: none, then 1 s, 2 s, 4 s … up to 30 s.
std::chrono::milliseconds attesaDopo(int sbagliate);
/// What is left of the wait at `adesso`; zero when a guess is heard.
std::chrono::milliseconds attesaRimasta(const Registro& registro, const QDateTime& adesso);
/// "Si può riprovare tra 4 secondi."
QString riprovaTra(std::chrono::milliseconds attesa);

struct Prova {
    enum class Esito { Giusta, Sbagliata, Presto };
    Esito esito;
    /// After a wrong guess or one too early: the wait before the next.
    std::chrono::milliseconds attesa{0};
};

/// A guess of the password, heard only once the wait is over. A wrong one
/// is counted in the register, so that restarting the program does not
/// shorten the wait; a right one clears the count.
Prova provaPassword(Registro& registro, const QString& password, const QDateTime& adesso);
/// The same for the recovery key (written as chiaveNormalizzata takes it),
/// under the same count.
Prova provaChiaveDiRecupero(Registro& registro, const QString& chiave, const QDateTime& adesso);

} // namespace PasswordInsegnante
} // namespace vocario
