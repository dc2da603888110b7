#pragma once

#include "exerciseentry.h"

#include <functional>

class QWidget;

namespace vocario {

class RegistroClasse;

/// The way from one window to the next as a window takes it: the program's
/// navigation (app/navigazione) lays it out at start-up, so that a window
/// moves on without knowing the windows it leads to.
namespace Percorso {

/// The moves the navigation makes for the windows.
struct Passi {
    /// Shows a newly built menu, then unloads `previous` (when given).
    std::function<void(QWidget* previous)> mostraMenu;
    /// Opens exercise window `numero` from `menu`; false when it refused.
    std::function<bool(int numero, QWidget* menu)> apriEsercizio;
};

/// Lays out the moves and the exercises behind the menu (which must outlive
/// every window opened from here on); a null `esercizi` clears both.
void imposta(Passi passi, const Catalogo* esercizi);

void mostraMenu(QWidget* previous);
bool apriEsercizio(int numero, QWidget* menu);

/// The exercises behind the menu buttons; none before the start-up.
const Catalogo& esercizi();

/// The class register behind "Avvio" and "Opzioni"; none by default.
void impostaRegistro(RegistroClasse* registro);
RegistroClasse* registro();

/// Ends the program at once.
void terminaProgramma();
/// Replaces what ending the program does (tests record it instead).
void impostaTermine(std::function<void()> termine);

} // namespace Percorso
} // namespace vocario
