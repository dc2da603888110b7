#pragma once

class QPushButton;

namespace vocario {

class VocarioWindow;

/// "Opzioni" on the menu: a button in the look of the menu's own, in its
/// empty lower band, centred under the two columns of exercises.
namespace BottoneOpzioni {

/// Adds the button to the built menu window, at the window's scale.
QPushButton* aggiungi(VocarioWindow* menu);

} // namespace BottoneOpzioni
} // namespace vocario
