#pragma once

#include "review/ripasso.h"

#include <QList>
#include <QSqlDatabase>
#include <memory>

namespace vocario {

struct Alunno;
class Registro;
class Registrazione;

/// A pupil's answers as the review reads them from the PC's file, oldest
/// first (in the order they were written where two share a millisecond).
/// Reads only; nothing when the file cannot be read.
QList<RispostaRipasso> risposteDellAlunno(const QSqlDatabase& db, qint64 alunno);

/// The pupil's recorder with their review, rebuilt from their answers in
/// the PC's file; on a lab's PC, the PC's copy of the schedule, joined by
/// the school's server's when the sender brings it: what "Chi gioca?"
/// hands the exercises. Never waits for the network.
std::unique_ptr<Registrazione> registrazioneConRipasso(Registro& registro, const Alunno& alunno);

} // namespace vocario
