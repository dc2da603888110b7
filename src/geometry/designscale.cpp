#include "designscale.h"

#include "design.h"

#include <QVariant>
#include <QWidget>
#include <optional>

namespace vocario {
namespace {

// Kept only when the scale is not the design's, so that the design's size
// costs one failed look-up.
constexpr char kFactor[] = "vocarioScala";
constexpr char kOrigin[] = "vocarioOrigine";
constexpr char kClient[] = "vocarioClient";

std::optional<DesignScale> storedOn(const QWidget* widget) {
    const QVariant factor = widget->property(kFactor);
    if (!factor.isValid())
        return std::nullopt;
    return DesignScale{.factor = factor.toDouble(),
                       .origin = widget->property(kOrigin).toPoint(),
                       .client = widget->property(kClient).toSize()};
}

} // namespace

int DesignScale::length(int twips) const {
    return qRound(double(twips) * factor / kTwipsPerPixel);
}

int DesignScale::leftTwips(int x) const {
    return qRound(double(x - origin.x()) * kTwipsPerPixel / factor);
}

int DesignScale::topTwips(int y) const {
    return qRound(double(y - origin.y()) * kTwipsPerPixel / factor);
}

int DesignScale::pixels(int designPixels) const {
    return qRound(double(designPixels) * factor);
}

void setDesignScale(QWidget* client, const DesignScale& scale) {
    if (scale.isDesign() && !client->property(kFactor).isValid())
        return;
    client->setProperty(kFactor, scale.factor);
    client->setProperty(kOrigin, scale.origin);
    client->setProperty(kClient, scale.client);
}

DesignScale designScaleOf(const QWidget* control) {
    if (const QWidget* client = control->parentWidget())
        if (std::optional<DesignScale> scale = storedOn(client))
            return *scale;
    return storedOn(control).value_or(DesignScale{});
}

} // namespace vocario
