#pragma once

#include "review/ripasso.h"

#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <memory>
#include <optional>

namespace vocario {

struct Alunno;
class Registro;
class Registrazione;

/// A pupil's answers as the review reads them from the PC's file or, as the
/// teacher's role, from the school's server, oldest first (in the order
/// they were written where two share a millisecond, in the file). Reads
/// only; nothing when the register cannot be read.
QList<RispostaRipasso> risposteDellAlunno(const QSqlDatabase& db, qint64 alunno);

/// Every pupil's answers of the class at once, for the teacher's view, by
/// pupil; each pupil's in time for each item (Ripasso::daRisposte orders
/// them). None when the register cannot be read.
std::optional<QHash<qint64, QList<RispostaRipasso>>> risposteDellaClasse(const QSqlDatabase& db,
                                                                         qint64 classe);

/// The pupil's recorder with their review, rebuilt from their answers in
/// the PC's file; on a lab's PC, the PC's copy of the schedule, joined by
/// the school's server's when the sender brings it: what "Chi gioca?"
/// hands the exercises. Never waits for the network.
std::unique_ptr<Registrazione> registrazioneConRipasso(Registro& registro, const Alunno& alunno);

} // namespace vocario
