#include "twipsgeometry.h"

#include "design.h"

#include <QVariant>
#include <QWidget>

namespace vocario {
namespace {

constexpr char kTop[] = "vocarioTopTwips";
constexpr char kLeft[] = "vocarioLeftTwips";

int stored(const QWidget* widget, const char* key, int pixels) {
    const QVariant value = widget->property(key);
    return value.isValid() ? value.toInt() : pixelsToTwips(pixels);
}

} // namespace

void setTopTwips(QWidget* widget, int twips) {
    widget->setProperty(kTop, twips);
    widget->move(widget->x(), twipsToPixels(twips));
}

int topTwips(const QWidget* widget) { return stored(widget, kTop, widget->y()); }

void setLeftTwips(QWidget* widget, int twips) {
    widget->setProperty(kLeft, twips);
    widget->move(twipsToPixels(twips), widget->y());
}

int leftTwips(const QWidget* widget) { return stored(widget, kLeft, widget->x()); }

} // namespace vocario
