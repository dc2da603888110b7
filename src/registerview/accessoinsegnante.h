#pragma once

#include "register/passwordinsegnante.h"

class QWidget;

namespace vocario {

class Registro;

/// The door of the teacher's view: the first time, the teacher chooses a
/// password (twice, at least 6 characters) and is shown its recovery key
/// once; later, the password is asked for, each wrong one making the wait
/// before the next try longer.
namespace AccessoInsegnante {

/// True when the teacher may go in.
bool chiedi(Registro& registro, QWidget* parent,
            const PasswordInsegnante::Orologio& orologio = &QDateTime::currentDateTimeUtc);

/// The recovery key of a password just chosen, with what it is for.
void mostraChiaveDiRecupero(const QString& chiave, QWidget* parent);

} // namespace AccessoInsegnante
} // namespace vocario
