#include "displaytext.h"

#include <QVariant>
#include <QWidget>

namespace vocario {
namespace {

constexpr char kCapitals[] = "vocarioMaiuscolo";

} // namespace

void setShowsCapitals(QWidget* control, bool capitals) {
    control->setProperty(kCapitals, capitals);
}

QString shownText(const QWidget* control, const QString& text) {
    return control->property(kCapitals).toBool() ? text.toUpper() : text;
}

} // namespace vocario
