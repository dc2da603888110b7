#pragma once

#include <QtGlobal>

namespace vocario {

class Registro;

/// The teacher's switch for a class's review (its pupils' missed words
/// coming back until learnt), where the teacher's view writes: the school's
/// server when one is set, else the PC's file. The PCs read it with the
/// classes (Classe::ripasso). False when it could not be written.
bool impostaRipasso(Registro& registro, qint64 classe, bool attivo);

} // namespace vocario
