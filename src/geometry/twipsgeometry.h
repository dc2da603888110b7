#pragma once

class QWidget;

namespace vocario {

/// Left and Top of a control in twips, as the program sets them. Kept on the
/// widget as given (some places are not whole pixels) and applied to its
/// geometry rounded to logical pixels, through the scale of the window.
void setTopTwips(QWidget* widget, int twips);
int topTwips(const QWidget* widget);
void setLeftTwips(QWidget* widget, int twips);
int leftTwips(const QWidget* widget);

} // namespace vocario
