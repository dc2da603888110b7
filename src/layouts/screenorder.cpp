#include "screenorder.h"

#include "outlineoverlay.h"

#include <QWidget>
#include <algorithm>

namespace vocario::ScreenOrder {

QList<QWidget*> controlsOf(const QWidget* client) {
    QList<QWidget*> controls;
    // Later children are drawn on top: listed from the top of the pile.
    const QObjectList& children = client->children();
    for (auto child = children.crbegin(); child != children.crend(); ++child) {
        auto* widget = qobject_cast<QWidget*>(*child);
        if (widget && !widget->isWindow() && !qobject_cast<OutlineOverlay*>(widget))
            controls.append(widget);
    }
    std::stable_sort(controls.begin(), controls.end(),
                     [](const QWidget* a, const QWidget* b) { return a->y() < b->y(); });
    // Rows: a control joins the row while its top lies above the middle of
    // the row's first control.
    QList<QWidget*> ordered;
    for (qsizetype first = 0; first < controls.size();) {
        const QWidget* head = controls[first];
        const int rowEnd = head->y() + head->height() / 2;
        qsizetype last = first + 1;
        while (last < controls.size() && controls[last]->y() < rowEnd)
            ++last;
        QList<QWidget*> row = controls.mid(first, last - first);
        std::stable_sort(row.begin(), row.end(),
                         [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
        ordered.append(row);
        first = last;
    }
    return ordered;
}

QList<QWidget*> focusChainOf(const QWidget* client) {
    QList<QWidget*> chain;
    for (QWidget* control : controlsOf(client))
        if (control->isVisibleTo(client) && control->isEnabled() &&
            (control->focusPolicy() & Qt::TabFocus))
            chain.append(control);
    return chain;
}

void applyTabOrder(QWidget* client) {
    QList<QWidget*> chain;
    for (QWidget* control : controlsOf(client))
        if (control->focusPolicy() & Qt::TabFocus)
            chain.append(control);
    for (qsizetype k = 1; k < chain.size(); ++k)
        QWidget::setTabOrder(chain[k - 1], chain[k]);
}

} // namespace vocario::ScreenOrder
