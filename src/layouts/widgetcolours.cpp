#include "widgetcolours.h"

#include "bgrcolour.h"

#include <QAbstractButton>
#include <QApplication>
#include <QVariant>
#include <QWidget>

namespace vocario {
namespace {

constexpr char kBack[] = "vocarioBackColour";
constexpr char kFore[] = "vocarioForeColour";

} // namespace

void setBackColour(QWidget* widget, quint32 bgr) {
    widget->setProperty(kBack, QVariant::fromValue(bgr));
    QPalette palette = widget->palette();
    const bool isButton = qobject_cast<QAbstractButton*>(widget) != nullptr;
    const QPalette::ColorRole role = isButton ? QPalette::Button : QPalette::Window;
    if (bgr == kSystemButtonFace) {
        palette.setBrush(role, QApplication::palette(widget).brush(role));
    } else {
        palette.setColor(role, bgrToQColor(bgr));
    }
    widget->setPalette(palette);
}

quint32 backColour(const QWidget* widget) {
    const QVariant value = widget->property(kBack);
    return value.isValid() ? value.value<quint32>() : kSystemButtonFace;
}

void setForeColour(QWidget* widget, quint32 bgr) {
    widget->setProperty(kFore, QVariant::fromValue(bgr));
    QPalette palette = widget->palette();
    const QColor colour = bgrToQColor(bgr);
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

quint32 foreColour(const QWidget* widget) {
    const QVariant value = widget->property(kFore);
    return value.isValid() ? value.value<quint32>() : 0x000000u;
}

} // namespace vocario
