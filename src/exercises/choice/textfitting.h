#pragma once

#include <QString>

class QPushButton;

namespace vocario {

class DesignTextBox;

/// Texts of any length from a word list, shown whole in a control of fixed
/// size: wrapped at blanks and, only when that is not enough, in a smaller
/// font than the design one.
namespace TextFitting {

/// The smallest font size a text is shrunk to; below it the box scrolls.
inline constexpr double kSmallestPoints = 9.0;

/// Shows `text` centred in `box`.
void mostraNelRiquadro(DesignTextBox* box, const QString& text);
/// Makes `text` the caption of `button`, broken into lines where one line
/// would not fit (a caption that fits is set unchanged).
void mostraSulBottone(QPushButton* button, const QString& text);

} // namespace TextFitting
} // namespace vocario
