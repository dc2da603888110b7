#pragma once

#include <QList>

class QWidget;

namespace vocario {

/// The order in which a pupil reads a window: the controls of the client
/// area row by row from the top, and left to right within a row. A control
/// belongs to the row of the control above it while its top edge lies above
/// that control's middle.
namespace ScreenOrder {

/// The client area's own controls in reading order (outlines left out).
/// Controls on the same place keep the one drawn on top first.
QList<QWidget*> controlsOf(const QWidget* client);
/// Those of them that the keyboard reaches now: shown, enabled, taking Tab.
QList<QWidget*> focusChainOf(const QWidget* client);
/// Makes Tab go through the client area in reading order, the words to
/// pick before the places they go to.
void applyTabOrder(QWidget* client);

} // namespace ScreenOrder
} // namespace vocario
