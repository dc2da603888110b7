#include "outlineoverlay.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace vocario {
namespace {

constexpr int kBand = 2;
constexpr int kStripe = 5;

} // namespace

OutlineOverlay::OutlineOverlay(Look look, QWidget* parent) : QWidget(parent), look_(look) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void OutlineOverlay::follow(QWidget* control) {
    if (control_ == control) {
        place();
        return;
    }
    if (control_)
        control_->removeEventFilter(this);
    control_ = control;
    if (control_)
        control_->installEventFilter(this);
    place();
}

bool OutlineOverlay::eventFilter(QObject* watched, QEvent* event) {
    if (watched == control_) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            place();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void OutlineOverlay::place() {
    if (!control_ || !control_->isVisibleTo(parentWidget())) {
        hide();
        return;
    }
    const int r = reach(look_);
    setGeometry(control_->geometry().adjusted(-r, -r, r, r));
    // The focus ring leaves the captions near it readable: it stops short of
    // the text of a label drawn straight on the window (the ends of a scale).
    if (look_ == Look::Focus) {
        QRect ring = geometry();
        const QRect control = control_->geometry();
        for (QObject* child : parentWidget()->children()) {
            auto* caption = qobject_cast<QLabel*>(child);
            if (!caption || caption == control_ || !caption->isVisible() ||
                caption->autoFillBackground() || !caption->geometry().intersects(ring))
                continue;
            if (caption->y() > control.bottom())
                ring.setBottom(std::max(control.bottom() + 1, caption->y() - 1));
            else if (caption->geometry().bottom() < control.top())
                ring.setTop(std::min(control.top() - 1, caption->geometry().bottom() + 1));
        }
        setGeometry(ring);
    }
    raise();
    show();
    update();
}

void OutlineOverlay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect outer = rect();
    // The focus ring leaves room for a picked word's stripes inside it; it
    // may be thinner on a side where a caption stands close.
    const int gap = look_ == Look::Focus ? reach(Look::Picked) - 1 : 0;
    const QRect inner =
        control_ ? control_->geometry().translated(-pos()).adjusted(-gap, -gap, gap, gap) : outer;
    QPainterPath band;
    band.setFillRule(Qt::OddEvenFill);
    band.addRect(outer);
    band.addRect(inner);
    painter.setClipPath(band);
    if (look_ == Look::Focus) {
        // Black, white, black: one of the three stands out on any colour.
        painter.fillRect(outer, Qt::black);
        painter.fillRect(outer.adjusted(kBand, kBand, -kBand, -kBand), Qt::white);
        painter.fillRect(inner.adjusted(-kBand, -kBand, kBand, kBand), Qt::black);
        return;
    }
    // Diagonal yellow and black stripes: seen by their pattern as much as by
    // their colour.
    painter.fillRect(outer, Qt::black);
    painter.setPen(QPen(QColor(0xFF, 0xD7, 0x00), kStripe / 2.0));
    painter.setRenderHint(QPainter::Antialiasing);
    for (int x = -outer.height(); x < outer.width(); x += kStripe)
        painter.drawLine(QPointF(x, outer.height()), QPointF(x + outer.height(), 0));
}

} // namespace vocario
