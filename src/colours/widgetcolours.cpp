#include "widgetcolours.h"

#include "bgrcolour.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QVariant>
#include <QWidget>

namespace vocario {
namespace {

constexpr char kBack[] = "vocarioBackColour";
constexpr char kFore[] = "vocarioForeColour";

/// A push button's palette that its window's colour no longer reaches: the
/// style draws a button with soft edges once per palette and keeps the
/// drawing, but every new window colour (a new item, a wrong answer) would
/// give every button a new palette and have it drawn again. The window role,
/// from which the style takes the button's outline, is the usual one.
void detachFromWindowColour(QWidget* button, QPalette& palette) {
    const QPalette usual = QApplication::palette(button);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setBrush(group, QPalette::Window, usual.brush(group, QPalette::Window));
    palette.setResolveMask(~QPalette::ResolveMask(0));
}

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
    if (qobject_cast<QPushButton*>(widget))
        detachFromWindowColour(widget, palette);
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
