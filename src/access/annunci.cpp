#include "annunci.h"

#include <QAccessible>
#include <QTimer>
#include <QWidget>

namespace vocario {
namespace {

const QString kNome = QStringLiteral("qt_vocario_annuncio");
constexpr char kTesto[] = "vocarioAnnuncio";

} // namespace

Annunciatore* Annunciatore::di(QWidget* window) {
    if (auto* found = window->findChild<Annunciatore*>(QString(), Qt::FindDirectChildrenOnly))
        return found;
    return new Annunciatore(window);
}

Annunciatore::Annunciatore(QWidget* window) : QObject(window) {
    // Never shown: the screen reader hears it come into view all the same.
    notifica_ = new QWidget(window);
    notifica_->setObjectName(kNome);
    notifica_->setFocusPolicy(Qt::NoFocus);
    notifica_->hide();
}

void Annunciatore::annuncia(Parte parte, const QString& testo) {
    if (testo.isEmpty() || !QAccessible::isActive())
        return;
    inAttesa_[parte].append(testo);
    programma();
}

void Annunciatore::annunciaPoi(Parte parte, std::function<QString()> testo) {
    if (!QAccessible::isActive())
        return;
    poi_[parte] = std::move(testo);
    programma();
}

void Annunciatore::programma() {
    if (programmato_)
        return;
    programmato_ = true;
    // After the focus has moved: a new focus would silence the news.
    QTimer::singleShot(0, this, &Annunciatore::di_);
}

QString Annunciatore::ultimo() const {
    return notifica_ ? notifica_->property(kTesto).toString() : QString();
}

void Annunciatore::di_() {
    programmato_ = false;
    for (auto parte = poi_.cbegin(); parte != poi_.cend(); ++parte)
        if (const QString testo = parte.value()(); !testo.isEmpty())
            inAttesa_[parte.key()].append(testo);
    poi_.clear();
    QStringList frasi;
    for (auto parte = inAttesa_.cbegin(); parte != inAttesa_.cend(); ++parte)
        frasi.append(parte.value().join(QStringLiteral(", ")));
    inAttesa_.clear();
    if (!notifica_ || frasi.isEmpty() || !QAccessible::isActive())
        return;
    notifica_->setProperty(kTesto, frasi.join(QStringLiteral(". ")));
    QAccessibleEvent shown(notifica_.data(), QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace vocario
