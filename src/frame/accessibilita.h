#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QLabel;
class QMainWindow;

namespace vocario {

/// What a screen reader finds in the program's windows: every control named
/// in Italian by what it is and does ("parola: rompere", "bersaglio:
/// dimenticare", "Esatti: 3"), the controls of a window in reading order, the
/// words, places and tiles pressable, each exercise window named after its
/// exercise, and every answer announced by the feedback picture.
namespace Accessibilita {

/// Names `window` (the start screen and the menu by a table of their own)
/// and makes the program's controls known to the accessibility bridge.
void prepara(QMainWindow* window);
/// What the announcements of an exercise window read from it.
struct Esercizio {
    const char* menuButton;
    /// The item on show, as the window says it.
    std::function<QString()> testoTurno;
    const QLabel* esatti;
    const QLabel* errati;
};

/// Announces what happens in an exercise window: the window hands it its
/// answers and its items as they come.
class Cronaca : public QObject {
  public:
    using QObject::QObject;
    /// An answer was judged, after its feedback is on show.
    virtual void risposta(bool esatta) = 0;
    /// The item on show is about to make way for the next one.
    virtual void turnoConcluso() = 0;
    /// A new item is on show.
    virtual void turnoPreparato() = 0;
};

/// Names the exercise window after its menu button; what announces its
/// answers is returned, a child of the window.
Cronaca* preparaEsercizio(QMainWindow* window, Esercizio esercizio);
/// The caption of a menu button ("Command2" gives "abbina contrari").
QString didascaliaMenu(const char* menuButton);

} // namespace Accessibilita
} // namespace vocario
