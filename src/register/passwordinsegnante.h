#pragma once

#include <QByteArray>
#include <QString>

namespace vocario {

class Registro;

/// The teacher's password of the register, kept only as a salted PBKDF2
/// (HMAC-SHA-256) hash. Forgotten, it is removed by `vocario
/// --azzera-password`, which keeps the data; there is no other way in.
namespace PasswordInsegnante {

/// PBKDF2 with HMAC-SHA-256 (RFC 8018), the same as Qt Network's
/// QPasswordDigestor::deriveKeyPbkdf2, without bringing Qt Network into the
/// program.
QByteArray pbkdf2(const QByteArray& password, const QByteArray& sale, int iterazioni,
                  int lunghezza);

bool impostata(const Registro& registro);
/// Sets the password, with a new random salt.
bool imposta(Registro& registro, const QString& password);
bool corretta(const Registro& registro, const QString& password);
bool azzera(Registro& registro);

} // namespace PasswordInsegnante
} // namespace vocario
