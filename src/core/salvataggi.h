#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

namespace vocario {

/// Where the teacher's exports are first offered, and what they are called.
namespace Salvataggi {

/// The user's documents folder; the home folder when it does not exist, so
/// that a save dialog never opens in whatever folder the program runs from.
QString cartella();

/// "parole-sbagliate_2ª-C_2026-12-09.csv": the parts (what, the class, the
/// pupil...), each with the characters a file name should not hold made
/// hyphens, then the day and `estensione`. Empty parts are left out.
QString nomeFile(const QStringList& parti, const QString& estensione,
                 const QDate& giorno = QDate::currentDate());

/// The two joined: where a save dialog proposes to write.
QString proposta(const QStringList& parti, const QString& estensione);

} // namespace Salvataggi
} // namespace vocario
