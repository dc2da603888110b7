#pragma once

#include <QString>
#include <optional>

namespace vocario {

class Registro;

/// The teacher's corrections to the classes: a pupil or a class renamed, a
/// pupil moved to another class. A pupil keeps their id, and so every
/// answer. Each returns why it could not be done, in Italian.
namespace ModificaAlunni {

/// A name as kept: spaces at the ends dropped, runs of spaces made one.
QString nomePulito(const QString& nome);

std::optional<QString> rinominaAlunno(Registro& registro, qint64 alunno, const QString& nome);
std::optional<QString> rinominaClasse(Registro& registro, qint64 classe, const QString& nome);
std::optional<QString> spostaAlunno(Registro& registro, qint64 alunno, qint64 classe);

} // namespace ModificaAlunni
} // namespace vocario
