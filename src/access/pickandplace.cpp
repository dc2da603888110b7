#include "pickandplace.h"

#include "layouts/designlabel.h"
#include "outlineoverlay.h"

#include <QAccessible>
#include <QEvent>

namespace vocario {
namespace {

// Tells a screen reader that the word is picked, or no longer.
void tellPicked(DesignLabel* word) {
    if (!QAccessible::isActive())
        return;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(word, changed);
    QAccessible::updateAccessibility(&event);
}

} // namespace

PickAndPlace::PickAndPlace(QWidget* client) : QObject(client), client_(client) {
    setObjectName(QStringLiteral("qt_vocario_pickandplace"));
}

void PickAndPlace::addWord(DesignLabel* word) {
    connect(word, &DesignLabel::clicked, this, [this, word] { wordClicked(word); });
}

void PickAndPlace::addPlace(DesignLabel* place, PlaceDrop drop) {
    connect(place, &DesignLabel::clicked, this,
            [this, place, drop = std::move(drop)] { placeClicked(place, drop); });
}

void PickAndPlace::wordClicked(DesignLabel* word) {
    if (!word->isEnabled())
        return;
    if (picked_ == word) {
        putBack();
        return;
    }
    putBack();
    pick(word);
}

void PickAndPlace::pick(DesignLabel* word) {
    picked_ = word;
    pickedPalette_ = word->palette();
    // White on black: the picked word stands out by its lightness, whatever
    // colours the pupil can tell apart.
    QPalette inverted = pickedPalette_;
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        inverted.setColor(group, QPalette::Window, Qt::black);
        inverted.setColor(group, QPalette::WindowText, Qt::white);
    }
    word->setPalette(inverted);
    if (!outline_)
        outline_ = new OutlineOverlay(OutlineOverlay::Look::Picked, client_);
    outline_->follow(word);
    word->installEventFilter(this);
    tellPicked(word);
    emit picked(word);
}

void PickAndPlace::unmark() {
    DesignLabel* word = picked_;
    picked_ = nullptr;
    if (outline_)
        outline_->follow(nullptr);
    if (!word)
        return;
    word->removeEventFilter(this);
    word->setPalette(pickedPalette_);
    tellPicked(word);
    emit released(word);
}

bool PickAndPlace::putBack() {
    if (!picked_)
        return false;
    DesignLabel* word = picked_;
    unmark();
    emit putAway(word);
    return true;
}

void PickAndPlace::placeClicked(DesignLabel* place, const PlaceDrop& drop) {
    if (!picked_ || !place->isEnabled())
        return;
    // Judged as a real drop of the word is; after a wrong one the pupil
    // tries the word on another place.
    if (drop(picked_->objectName()) != DropVerdict::Wrong)
        unmark();
}

bool PickAndPlace::eventFilter(QObject* watched, QEvent* event) {
    // A word placed by a real drag, or taken away with its item, is no
    // longer picked.
    if (watched == picked_ &&
        (event->type() == QEvent::EnabledChange || event->type() == QEvent::Hide))
        unmark();
    return QObject::eventFilter(watched, event);
}

} // namespace vocario
