#pragma once

#include <QString>

namespace vocario::testing {

/// The catalogue's exercises as the tests walk them, numbered from 1 in the
/// order of their menu buttons.
int exerciseCount();
/// The window's design name ("Form1").
QString exerciseWindowName(int numero);
/// The menu button that opens it ("Command2").
QString exerciseMenuButton(int numero);
/// The words its pupil drags in one item (Label3 members of a drag window),
/// 0 for a window answered by clicks.
int draggedWords(int numero);

} // namespace vocario::testing
