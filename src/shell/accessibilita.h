#pragma once

class QMainWindow;
class QString;

namespace vocario {

class ExerciseWindow;

/// What a screen reader finds in the program's windows: every control named
/// in Italian by what it is and does ("parola: rompere", "bersaglio:
/// dimenticare", "Esatti: 3"), the controls of a window in reading order, the
/// words, places and tiles pressable, each exercise window named after its
/// exercise, and every answer announced by the feedback picture.
namespace Accessibilita {

/// Names `window` (the start screen and the menu by a table of their own)
/// and makes the program's controls known to the accessibility bridge.
void prepara(QMainWindow* window);
/// Names the exercise window after its menu button and announces its answers.
void preparaEsercizio(ExerciseWindow* window);
/// The caption of a menu button ("Command2" gives "abbina contrari").
QString didascaliaMenu(const char* menuButton);

} // namespace Accessibilita
} // namespace vocario
