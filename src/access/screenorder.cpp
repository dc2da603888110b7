#include "screenorder.h"

#include "layouts/designlabel.h"
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

namespace {

// The words to pick come before the places they go to: a word is taken
// first, and then the places follow one another.
QList<QWidget*> tabOrderOf(const QWidget* client) {
    QList<QWidget*> chain;
    for (QWidget* control : controlsOf(client))
        if (control->focusPolicy() & Qt::TabFocus)
            chain.append(control);
    std::stable_partition(chain.begin(), chain.end(), [](const QWidget* control) {
        const auto* label = qobject_cast<const DesignLabel*>(control);
        return label && label->isDraggable();
    });
    return chain;
}

} // namespace

QList<QWidget*> focusChainOf(const QWidget* client) {
    QList<QWidget*> chain = tabOrderOf(client);
    chain.removeIf([client](const QWidget* control) {
        return !control->isVisibleTo(client) || !control->isEnabled();
    });
    return chain;
}

void applyTabOrder(QWidget* client) {
    const QList<QWidget*> chain = tabOrderOf(client);
    for (qsizetype k = 1; k < chain.size(); ++k)
        QWidget::setTabOrder(chain[k - 1], chain[k]);
}

} // namespace vocario::ScreenOrder
