#include "tallfacetext.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>

namespace vocario::TallFaceText {
namespace {

constexpr qreal kSmallestPointSize = 6.0;

// The lines of a text at one size, from the top of its tallest letter to
// the bottom of its lowest, a line of accented capitals over descenders
// apart.
struct Righe {
    QTextLayout layout;
    int count = 0;
    qreal widest = 0;
    qreal height = 0;
};

void layOut(Righe& righe, const QFont& font, const QString& text, qreal width,
            Qt::Alignment alignment) {
    const QFontMetricsF metrics(font);
    const QRectF ink = metrics.tightBoundingRect(text);
    const qreal above = std::max<qreal>(0, -ink.top());
    const qreal below = std::max<qreal>(0, ink.bottom());
    const qreal step = 1.1 * (metrics.tightBoundingRect(QStringLiteral("gjpqy")).bottom() -
                              metrics.tightBoundingRect(QStringLiteral("ÀÈÉÌÒÙ")).top());
    QString shown = text;
    shown.replace(u'\n', QChar::LineSeparator);
    righe.layout.setText(shown);
    righe.layout.setFont(font);
    QTextOption option(alignment & Qt::AlignHorizontal_Mask);
    option.setWrapMode(QTextOption::WordWrap);
    righe.layout.setTextOption(option);
    righe.layout.beginLayout();
    for (QTextLine line = righe.layout.createLine(); line.isValid();
         line = righe.layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, righe.count * step + above - line.ascent()));
        righe.widest = std::max(righe.widest, line.naturalTextWidth());
        ++righe.count;
    }
    righe.layout.endLayout();
    righe.height = (righe.count - 1) * step + above + below;
}

} // namespace

QFont fitting(const QFont& font, const QString& text, const QRect& area, int margin) {
    QFont fitted = font;
    const qreal width = area.width() - 2 * margin;
    const qreal height = area.height() - 2 * margin;
    while (fitted.pointSizeF() > kSmallestPointSize) {
        Righe righe;
        layOut(righe, fitted, text, width, Qt::AlignLeft);
        if (righe.widest <= width && righe.height <= height)
            break;
        fitted.setPointSizeF(std::max(kSmallestPointSize, fitted.pointSizeF() - 0.5));
    }
    return fitted;
}

void draw(QPainter& painter, const QFont& font, const QColor& colour, const QString& text,
          const QRect& area, int margin, Qt::Alignment alignment) {
    Righe righe;
    layOut(righe, font, text, area.width() - 2 * margin, alignment);
    const qreal top = (alignment & Qt::AlignVCenter)
                          ? area.top() + (area.height() - righe.height) / 2
                          : area.top() + margin;
    painter.setPen(colour);
    righe.layout.draw(&painter, QPointF(area.left() + margin, top));
}

} // namespace vocario::TallFaceText
