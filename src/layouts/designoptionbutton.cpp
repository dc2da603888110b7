#include "designoptionbutton.h"

#include "geometry/designscale.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace vocario {

void DesignOptionButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // The round mark grows with the window, like the caption.
    QRect indicator = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
    const DesignScale scale = designScaleOf(this);
    indicator.setSize(QSize(scale.pixels(indicator.width()), scale.pixels(indicator.height())));
    QStyleOptionButton indicatorOption = option;
    indicatorOption.rect =
        indicator.translated(0, (height() - indicator.height()) / 2 - indicator.y());
    painter.drawPrimitive(QStyle::PE_IndicatorRadioButton, indicatorOption);

    const int textLeft = indicator.right() + 1 +
                         style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &option, this);
    const QRect textRect(textLeft, 0, width() - textLeft, height());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text());
}

bool DesignOptionButton::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

} // namespace vocario
