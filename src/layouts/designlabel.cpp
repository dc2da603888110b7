#include "designlabel.h"

#include "controlnames.h"
#include "displaytext.h"
#include "dragpayload.h"
#include "geometry/designscale.h"
#include "tallfacetext.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace vocario {

DesignLabel::DesignLabel(QWidget* parent) : QLabel(parent) {}

void DesignLabel::setDraggable(bool draggable) {
    draggable_ = draggable;
    if (draggable)
        setFocusPolicy(Qt::TabFocus);
}

void DesignLabel::setDropTarget(bool target) {
    setAcceptDrops(target);
    if (target)
        setFocusPolicy(Qt::TabFocus);
}

namespace {

constexpr qreal kSmallestPointSize = 6.0;
// Between a tall face's letters and the label's edges, in pixels of the design.
constexpr int kTallFaceMargin = 3;

QString arrayName(const QString& name) {
    const qsizetype open = name.indexOf(u'(');
    return open > 0 ? name.left(open) : QString();
}

} // namespace

void DesignLabel::setTallFace(bool tall) {
    tallFace_ = tall;
    fit_.reset();
    update();
}

QRect DesignLabel::textArea() const {
    return contentsRect().adjusted(margin(), margin(), -margin(), -margin());
}

int DesignLabel::tallMargin() const {
    return designScaleOf(this).pixels(kTallFaceMargin);
}

QFont DesignLabel::arrayFont(const QFont& own, int flags) {
    QFont smallest = own;
    const QString array = arrayName(objectName());
    if (!array.isEmpty() && parentWidget()) {
        for (DesignLabel* sibling :
             parentWidget()->findChildren<DesignLabel*>(Qt::FindDirectChildrenOnly)) {
            if (sibling == this || !sibling->tallFace_ || sibling->text().isEmpty() ||
                !memberIndex(sibling->objectName(), array))
                continue;
            const QFont& theirs = sibling->fittedFont(shownText(sibling, sibling->text()),
                                                      sibling->textArea(), flags);
            if (theirs.pointSizeF() < smallest.pointSizeF())
                smallest = theirs;
        }
        // A member whose text changed may have set a new size for them all.
        if (smallest.pointSizeF() != arrayPoints_) {
            arrayPoints_ = smallest.pointSizeF();
            for (DesignLabel* sibling :
                 parentWidget()->findChildren<DesignLabel*>(Qt::FindDirectChildrenOnly))
                if (sibling != this && sibling->arrayPoints_ != arrayPoints_ &&
                    memberIndex(sibling->objectName(), array))
                    sibling->update();
        }
    }
    return smallest;
}

QFont DesignLabel::fittingFont(const QString& text, const QRect& area, int flags) const {
    if (tallFace_)
        return TallFaceText::fitting(font(), text, area, tallMargin());
    QFont fitted = font();
    // Most words fit on one line at the designed size: that is quicker to
    // see than where a wrapped text would break.
    const QFontMetrics designed(fitted);
    if (!text.contains(u'\n') && designed.height() <= area.height() &&
        designed.horizontalAdvance(text) <= area.width())
        return fitted;
    while (fitted.pointSizeF() > kSmallestPointSize) {
        const QRect needed = QFontMetrics(fitted).boundingRect(area, flags, text);
        if (needed.width() <= area.width() && needed.height() <= area.height())
            break;
        fitted.setPointSizeF(qMax(kSmallestPointSize, fitted.pointSizeF() - 0.5));
    }
    return fitted;
}

const QFont& DesignLabel::fittedFont(const QString& text, const QRect& area, int flags) {
    if (!fit_ || fit_->text != text || fit_->font != font() || fit_->area != area.size() ||
        fit_->flags != flags)
        fit_ = Fit{text, font(), area.size(), flags, fittingFont(text, area, flags)};
    return fit_->fitted;
}

void DesignLabel::paintEvent(QPaintEvent* event) {
    if (frameShape() != QFrame::NoFrame)
        QFrame::paintEvent(event); // the border
    if (text().isEmpty())
        return;
    QPainter painter(this);
    const QRect area = textArea();
    const int flags = int(alignment()) | Qt::TextWordWrap;
    const QString shown = shownText(this, text());
    if (tallFace_) {
        drawn_ = arrayFont(fittedFont(shown, area, flags), flags);
        TallFaceText::draw(
            painter, drawn_,
            palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()),
            shown, area, tallMargin(), alignment());
        return;
    }
    drawn_ = fittedFont(shown, area, flags);
    painter.setFont(drawn_);
    style()->drawItemText(&painter, area, flags, palette(), isEnabled(), shown, foregroundRole());
}

void DesignLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
        pressPos_ = event->position().toPoint();
    }
    QLabel::mousePressEvent(event);
}

void DesignLabel::mouseMoveEvent(QMouseEvent* event) {
    if (draggable_ && pressed_ && (event->buttons() & Qt::LeftButton) &&
        (event->position().toPoint() - pressPos_).manhattanLength() >=
            designScaleOf(this).pixels(QApplication::startDragDistance())) {
        pressed_ = false;
        startDrag();
        return;
    }
    QLabel::mouseMoveEvent(event);
}

void DesignLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint()) && !ignoreRelease_;
    pressed_ = false;
    ignoreRelease_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

void DesignLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    // The first click of the pair has already been handled.
    ignoreRelease_ = true;
    QLabel::mouseDoubleClickEvent(event);
}

void DesignLabel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool press = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (!press || (event->modifiers() & ~Qt::KeypadModifier) || !(focusPolicy() & Qt::TabFocus)) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat()) // a key held down presses once
        click();
}

void DesignLabel::startDrag() {
    auto* drag = new QDrag(this);
    drag->setMimeData(DragPayload::encode(objectName()));
    // The pupil sees the word itself travel under the pointer.
    drag->setPixmap(grab());
    drag->setHotSpot(pressPos_);
    drag->exec(Qt::MoveAction);
}

void DesignLabel::dragEnterEvent(QDragEnterEvent* event) {
    if (DragPayload::decode(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void DesignLabel::dragMoveEvent(QDragMoveEvent* event) {
    if (DragPayload::decode(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void DesignLabel::dropEvent(QDropEvent* event) {
    const std::optional<QString> source = DragPayload::decode(event->mimeData());
    if (!source) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit dropped(*source);
}

} // namespace vocario
