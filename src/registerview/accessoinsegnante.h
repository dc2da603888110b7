#pragma once

class QWidget;

namespace vocario {

class Registro;

/// The door of the teacher's view: the first time, the teacher chooses a
/// password (twice, at least 6 characters); later, it is asked for.
namespace AccessoInsegnante {

/// True when the teacher may go in.
bool chiedi(Registro& registro, QWidget* parent);

} // namespace AccessoInsegnante
} // namespace vocario
