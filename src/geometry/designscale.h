#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

namespace vocario {

/// How a window's design is laid on the screen: every length of the design
/// multiplied by `factor`, the design's top-left corner at `origin` of the
/// client area, which is `client` large when that is more than the design
/// needs (the whole screen). The design's own size is factor 1 at (0, 0).
struct DesignScale {
    double factor = 1.0;
    QPoint origin;
    QSize client;

    bool isDesign() const { return factor == 1.0 && origin.isNull() && client.isEmpty(); }
    /// A length in twips as logical pixels at this scale.
    int length(int twips) const;
    int x(int leftTwips) const { return origin.x() + length(leftTwips); }
    int y(int topTwips) const { return origin.y() + length(topTwips); }
    /// A place in pixels back in twips of the design.
    int leftTwips(int x) const;
    int topTwips(int y) const;
    double points(double designPoints) const { return designPoints * factor; }
    int pixels(int designPixels) const;
};

/// Keeps the scale on a window's client area, for its controls to find.
void setDesignScale(QWidget* client, const DesignScale& scale);
/// The scale of the window that `control` (or the client area itself)
/// belongs to; the design's own when none was set.
DesignScale designScaleOf(const QWidget* control);

} // namespace vocario
