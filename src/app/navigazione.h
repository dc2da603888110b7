#pragma once

#include "frame/exerciseentry.h"
#include "options/opzioni.h"

#include <functional>

class QWidget;

namespace vocario {

struct AppState;
class FormMenu;
class RegistroClasse;

/// The one-window-at-a-time sequence of the program: each step shows the
/// new window first and unloads the old one last.
namespace Navigazione {

/// Hands the program's state and its exercises to the windows that follow.
/// The start-up does it once; a test does it with a state of its own. Both
/// must outlive every window opened from here on.
void impostaProgramma(AppState& stato, const Catalogo& esercizi);

/// The exercises behind the menu buttons.
const Catalogo& esercizi();

/// The class register behind "Avvio" and "Opzioni"; none by default.
void impostaRegistro(RegistroClasse* registro);
RegistroClasse* registro();

/// Start-up: seeds the random generator and shows the start screen.
void Main();

/// The whole run of the program once its QApplication exists: the state
/// with the user's stored options, `dallaRiga` put over them for this run,
/// the look, the exercise windows behind the menu, Main, the event loop, and
/// the windows still loaded at the end. Returns the program's exit code.
int eseguiProgramma(const Catalogo& esercizi, const ScelteOpzioni& dallaRiga = {},
                    RegistroClasse* registro = nullptr);

/// Shows a newly built menu, then unloads `previous` (when given).
FormMenu* mostraMenu(QWidget* previous);

/// Opens exercise window `numero` (1 for the catalogue's first row) from the
/// menu, then unloads the menu. When the window refuses to open (its word
/// list cannot be used) the reason is shown over the menu, which stays;
/// returns false then.
bool apriEsercizio(int numero, QWidget* menu);

/// Ends the program at once.
void terminaProgramma();
/// Replaces what ending the program does (tests record it instead).
void impostaTermine(std::function<void()> termine);

} // namespace Navigazione
} // namespace vocario
