#pragma once

#include <array>
#include <functional>

class QWidget;

namespace vocario {

class ExerciseWindow;
class FormMenu;

/// Builds the exercise window of one menu button.
using ExerciseFactory = std::function<ExerciseWindow*()>;

/// The one-window-at-a-time sequence of the program: each step shows the
/// new window first and unloads the old one last.
namespace Navigazione {

/// The factories of Form1..Form9, index 0 for Form1; handed over by main().
void impostaEsercizi(std::array<ExerciseFactory, 9> factories);

/// Start-up: seeds the random generator and shows the start screen.
void Main();

/// The whole run of the program once its QApplication exists: the look,
/// the exercise windows behind the menu, Main, the event loop, and the
/// windows still loaded at the end. Returns the program's exit code.
int eseguiProgramma(std::array<ExerciseFactory, 9> esercizi);

/// Shows a newly built menu, then unloads `previous` (when given).
FormMenu* mostraMenu(QWidget* previous);

/// Opens exercise window `numero` (1..9) from the menu, then unloads the
/// menu. When the window refuses to open (its word list cannot be used) the
/// reason is shown over the menu, which stays; returns false then.
bool apriEsercizio(int numero, QWidget* menu);

/// Ends the program at once.
void terminaProgramma();
/// Replaces what ending the program does (tests record it instead).
void impostaTermine(std::function<void()> termine);

} // namespace Navigazione
} // namespace vocario
