#include "windowsnapshot.h"

#include "colours/widgetcolours.h"
#include "core/appstate.h"
#include "frame/vocariowindow.h"
#include "layouts/designtextbox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>

namespace vocario::endurance {
namespace {

QString textOf(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text() + (button->isChecked() ? QStringLiteral(" [x]") : QString());
    if (const auto* box = qobject_cast<const DesignTextBox*>(widget))
        return box->text();
    return {};
}

} // namespace

WindowSnapshot WindowSnapshot::take() {
    WindowSnapshot shot;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<VocarioWindow*>(top);
        if (!window || !window->isVisible())
            continue;
        shot.esatti_ = window->statoComune().NumeroEsatti;
        shot.errati_ = window->statoComune().NumeroErrati;
        shot.window_ += window->objectName();
        shot.back_ = window->backColour();
        for (const QWidget* child : window->findChildren<QWidget*>()) {
            if (child->objectName().isEmpty() || child->objectName().startsWith(u"qt_"))
                continue;
            shot.controls_.append({child->objectName(), textOf(child), child->isEnabled(),
                                   child->isVisible(), backColour(child), child->y()});
        }
    }
    return shot;
}

QString WindowSnapshot::differenceFrom(const WindowSnapshot& before) const {
    if (window_ != before.window_)
        return QStringLiteral("the window is %1, was %2").arg(window_, before.window_);
    if (esatti_ != before.esatti_ || errati_ != before.errati_)
        return QStringLiteral("the counts are %1/%2, were %3/%4")
            .arg(esatti_)
            .arg(errati_)
            .arg(before.esatti_)
            .arg(before.errati_);
    if (back_ != before.back_)
        return QStringLiteral("the background is %1, was %2")
            .arg(back_, 0, 16)
            .arg(before.back_, 0, 16);
    if (controls_.size() != before.controls_.size())
        return QStringLiteral("%1 controls, were %2")
            .arg(controls_.size())
            .arg(before.controls_.size());
    for (qsizetype i = 0; i < controls_.size(); ++i) {
        const Control& now = controls_[i];
        const Control& then = before.controls_[i];
        if (now.text != then.text || now.enabled != then.enabled || now.visible != then.visible ||
            now.back != then.back || now.top != then.top)
            return QStringLiteral("%1 changed: \"%2\" %3 %4 -> \"%5\" %6 %7")
                .arg(now.name, then.text)
                .arg(then.enabled ? "enabled" : "disabled", then.visible ? "shown" : "hidden",
                     now.text)
                .arg(now.enabled ? "enabled" : "disabled", now.visible ? "shown" : "hidden");
    }
    return {};
}

} // namespace vocario::endurance
