#pragma once

class QLabel;
class QPushButton;
class QString;

namespace vocario {

class VocarioWindow;

/// "Opzioni" on the menu: a button in the look of the menu's own, in its
/// empty lower band, centred under the two columns of exercises.
namespace BottoneOpzioni {

/// Adds the button to the built menu window, at the window's scale.
QPushButton* aggiungi(VocarioWindow* menu);

/// Above it, across both columns: who plays, or why the register keeps
/// nothing this time. Nothing (null) when `testo` is empty.
QLabel* aggiungiRigaRegistro(VocarioWindow* menu, const QString& testo);

/// Beside "Opzioni", while a pupil of a class plays: "Cambia alunno".
QPushButton* aggiungiCambiaAlunno(VocarioWindow* menu);

} // namespace BottoneOpzioni
} // namespace vocario
