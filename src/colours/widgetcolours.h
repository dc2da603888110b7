#pragma once

#include <QtGlobal>

class QWidget;

namespace vocario {

/// Back and text colours of any control, as 0xBBGGRR values. The value set
/// is kept on the widget so that the program (and its tests) can read it back.
void setBackColour(QWidget* widget, quint32 bgr);
quint32 backColour(const QWidget* widget);
void setForeColour(QWidget* widget, quint32 bgr);
quint32 foreColour(const QWidget* widget);

} // namespace vocario
