#pragma once

#include "review/ripasso.h"

#include <QByteArray>
#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <optional>

namespace vocario::PianoRipasso {

/// The most items one copy of a pupil's schedule may carry, on the PC and
/// on the server alike (the seven lists hold about a thousand records).
inline constexpr int kVociAlPiu = 20000;

/// Items of a schedule as the outbox and the server's functions carry them:
/// a JSON array of objects with short keys (e esercizio, v voce, f fase,
/// s scatola, d scade, m mostrata, u ultima risposta, x esatta, n numero).
QByteArray inJson(const QList<VoceRipasso>& voci);
/// Nothing for a text that is not such an array or carries wrong values.
std::optional<QList<VoceRipasso>> daJson(const QByteArray& testo);

/// The PC's copy (table ripassi): of each item the state with the later
/// answer is kept. False with the driver's error when it could not write.
bool salva(QSqlDatabase& db, qint64 alunno, const QList<VoceRipasso>& voci, QString* errore);
/// The pupil's schedule from the PC's copy; empty when there is none.
QList<VoceRipasso> leggi(const QSqlDatabase& db, qint64 alunno);
/// One item of a row (exercise, item, phase, box, due, shown, last answer,
/// last right, showings), the PC's copy's and the server's alike; nothing
/// for a phase this program does not know.
std::optional<VoceRipasso> dallaRiga(const QSqlQuery& riga);

} // namespace vocario::PianoRipasso
