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

/// What in `nome` keeps it from naming a pupil or a class, in Italian ("«/»",
/// "un carattere invisibile (U+200B)"), or none: a «/» (`--alunno` reads
/// "classe/nome"), a control character, a character that cannot be seen or
/// one that turns the direction of the text. Adding, importing and renaming
/// all ask it.
std::optional<QString> carattereVietato(const QString& nome);
/// `nome` as a message can show it: without the characters that cannot be
/// seen, which would hide what is wrong or turn the message around.
QString nomeMostrabile(const QString& nome);
/// "Il nome «Lu/ca» non può contenere «/»." ("Il nome della classe …" for a
/// class), or none when the name can be used.
std::optional<QString> nomeRifiutato(const QString& nome, bool diClasse = false);

std::optional<QString> rinominaAlunno(Registro& registro, qint64 alunno, const QString& nome);
std::optional<QString> rinominaClasse(Registro& registro, qint64 classe, const QString& nome);
std::optional<QString> spostaAlunno(Registro& registro, qint64 alunno, qint64 classe);

} // namespace ModificaAlunni
} // namespace vocario
