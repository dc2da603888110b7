#pragma once

namespace vocario {

struct AppState;

/// What the program would otherwise load on first use, loaded once while
/// the pupil looks at the start screen: Qt's own texts in Italian, the
/// sounds, and the fonts and pictures of the menu and of the exercise windows.
namespace Preparazione {

/// Loads it all, the first time only. The start screen calls it a moment
/// after it is painted; opening an exercise calls it too, in case that
/// moment has not come yet.
void completa(AppState& stato);
/// Qt's own texts ("Copia", "Seleziona tutto" in the context menus) in
/// Italian, whatever the desktop's language; in English where Debian's
/// qt6-translations-l10n is missing. Part of `completa`.
void traduzioniDiQt();

} // namespace Preparazione
} // namespace vocario
