#include "twipsgeometry.h"

#include "designscale.h"

#include <QVariant>
#include <QWidget>
#include <optional>

namespace vocario {
namespace {

constexpr char kTop[] = "vocarioTopTwips";
constexpr char kLeft[] = "vocarioLeftTwips";

std::optional<int> stored(const QWidget* widget, const char* key) {
    const QVariant value = widget->property(key);
    return value.isValid() ? std::optional<int>(value.toInt()) : std::nullopt;
}

} // namespace

void setTopTwips(QWidget* widget, int twips) {
    widget->setProperty(kTop, twips);
    widget->move(widget->x(), designScaleOf(widget).y(twips));
}

int topTwips(const QWidget* widget) {
    const std::optional<int> twips = stored(widget, kTop);
    return twips ? *twips : designScaleOf(widget).topTwips(widget->y());
}

void setLeftTwips(QWidget* widget, int twips) {
    widget->setProperty(kLeft, twips);
    widget->move(designScaleOf(widget).x(twips), widget->y());
}

int leftTwips(const QWidget* widget) {
    const std::optional<int> twips = stored(widget, kLeft);
    return twips ? *twips : designScaleOf(widget).leftTwips(widget->x());
}

} // namespace vocario
