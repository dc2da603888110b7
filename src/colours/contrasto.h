#pragma once

#include <QColor>

class QWidget;

namespace vocario {

/// How readable a text is on its background, measured as the contrast ratio
/// of the two colours' relative luminances (1:1 to 21:1); 4.5:1 is the least
/// that ordinary text needs.
namespace Contrasto {

inline constexpr double kMinimo = 4.5;

/// Relative luminance of a colour, from 0 (black) to 1 (white).
double luminanza(const QColor& colour);
/// Contrast ratio of two colours, from 1 to 21, whichever is lighter.
double rapporto(const QColor& a, const QColor& b);
/// Black when black text is readable on `background`, else white.
QColor testoSu(const QColor& background);
/// The same as a 0xBBGGRR value.
quint32 testoSuBgr(quint32 backgroundBgr);
/// The colour of a locked caption on `background`: a grey that still tells
/// it is locked where it is readable there, black where it is not.
QColor testoBloccatoSu(const QColor& background);
/// Gives `control` (a label or a button) the locked caption colour for the
/// background it shows now.
void leggibileDaBloccato(QWidget* control);

} // namespace Contrasto
} // namespace vocario
