#pragma once

#include <QStringList>

namespace vocario {

struct AppState;

/// The answer sounds: one of four cheerful sounds for a right answer, picked
/// at random, and one sound for a wrong answer.
namespace Suoni {

void SuonoEsatto(AppState& stato);
void SuonoErrato(AppState& stato);
/// Full paths of the five sound files.
QStringList tuttiIFile(const AppState& stato);
/// Creates the real sound output and loads the files, unless one is
/// installed. An exercise window calls it once it is shown; a sound asked
/// for before then creates it on the spot.
void preparaUscita(AppState& stato);

} // namespace Suoni
} // namespace vocario
