#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QColor;
class QPainter;

namespace vocario {

/// Text in a face made for readability, which keeps room above its capitals
/// for stacked accents (Andika's line is 1.6 em high, Arial's 1.1): fitted by
/// that line its words come out smaller than the design's. These fit and draw
/// a text by the room its letters take, accented capitals above and the
/// text's own descenders below, wrapped at words, with a margin all round.
namespace TallFaceText {

/// The largest size up to `font`'s own at which `text` fits `area` less
/// `margin` on every side.
QFont fitting(const QFont& font, const QString& text, const QRect& area, int margin);
/// Draws `text` in `font` and `colour` in the middle of `area`, each line
/// aligned as `alignment` says.
void draw(QPainter& painter, const QFont& font, const QColor& colour, const QString& text,
          const QRect& area, int margin, Qt::Alignment alignment);

} // namespace TallFaceText
} // namespace vocario
