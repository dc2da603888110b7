#include "accessiblecontrols.h"

#include "layouts/designlabel.h"
#include "layouts/pickandplace.h"
#include "layouts/screenorder.h"

#include <QAccessibleWidget>
#include <QMainWindow>

namespace vocario::AccessibleControls {
namespace {

const QString kEsatti = QStringLiteral("EtichettaEsatti");
const QString kErrati = QStringLiteral("EtichettaErrati");
const QString kIconaSi = QStringLiteral("ComandoIconaSi");
const QString kIconaNo = QStringLiteral("ComandoIconaNo");

bool isClientArea(const QObject* object) {
    const auto* widget = qobject_cast<const QWidget*>(object);
    return widget && object->objectName() == u"client" &&
           qobject_cast<QMainWindow*>(widget->parentWidget()) &&
           static_cast<QMainWindow*>(widget->parentWidget())->centralWidget() == widget;
}

/// The client area: its controls in reading order.
class ClientAccessible : public QAccessibleWidget {
  public:
    explicit ClientAccessible(QWidget* client) : QAccessibleWidget(client, QAccessible::Client) {}

    int childCount() const override { return int(controls().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> list = controls();
        if (index < 0 || index >= list.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(list[index]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child)
            return -1;
        return int(controls().indexOf(qobject_cast<QWidget*>(child->object())));
    }

  private:
    // A feedback picture under the other one is not on show: only the one on
    // top is read.
    QList<QWidget*> controls() const {
        QList<QWidget*> list = ScreenOrder::controlsOf(widget());
        for (qsizetype i = 1; i < list.size(); ++i)
            if (isPicture(list[i]) && isPicture(list[i - 1]) && list[i - 1]->isVisible() &&
                list[i]->geometry() == list[i - 1]->geometry())
                list.removeAt(i--);
        return list;
    }
    static bool isPicture(const QWidget* control) {
        return control->objectName() == kIconaSi || control->objectName() == kIconaNo;
    }
};

/// A label of a design table: a word to pick, a place for words, a tile to
/// press, a count or a plain text.
class LabelAccessible : public QAccessibleWidget {
  public:
    explicit LabelAccessible(DesignLabel* label) : QAccessibleWidget(label) {}

    // Asked each time: the window makes a label pressable after building it.
    QAccessible::Role role() const override {
        return pressable(label()) ? QAccessible::Button : QAccessible::StaticText;
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name)
            return name();
        if (kind == QAccessible::Description)
            return description();
        return QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (label()->isDraggable()) {
            state.checkable = true;
            state.checked = isPicked();
        }
        return state;
    }
    QStringList actionNames() const override {
        if (!pressable(label()))
            return QAccessibleWidget::actionNames();
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction() && pressable(label()) && label()->isEnabled())
            label()->click();
        else
            QAccessibleWidget::doAction(action);
    }

  private:
    static bool pressable(const DesignLabel* label) { return label->focusPolicy() & Qt::TabFocus; }
    DesignLabel* label() const { return static_cast<DesignLabel*>(widget()); }
    bool isPicked() const {
        const auto* pick = label()->parentWidget()->findChild<PickAndPlace*>(
            QString(), Qt::FindDirectChildrenOnly);
        return pick && pick->pickedWord() == label();
    }
    QString name() const {
        const QString text = label()->text().trimmed();
        const QString control = label()->objectName();
        if (control == kEsatti)
            return QStringLiteral("Esatti: ") + text;
        if (control == kErrati)
            return QStringLiteral("Errati: ") + text;
        if (label()->isDraggable())
            return text.isEmpty() ? QStringLiteral("parola già posata")
                                  : QStringLiteral("parola: ") + text;
        if (label()->acceptDrops())
            return QStringLiteral("bersaglio: ") + text;
        return text;
    }
    QString description() const {
        if (label()->isDraggable())
            return isPicked() ? QStringLiteral("parola presa: premi un bersaglio per posarla, "
                                               "di nuovo la parola o Esc per rimetterla")
                              : QStringLiteral("premi per prendere la parola, poi premi il suo "
                                               "bersaglio");
        if (label()->acceptDrops())
            return QStringLiteral("premi per posare qui la parola presa");
        if (pressable(label()))
            return QStringLiteral("premi per scegliere questa risposta");
        return {};
    }
};

/// A feedback picture, on top after the answer it greets.
class PictureAccessible : public QAccessibleWidget {
  public:
    explicit PictureAccessible(QWidget* picture)
        : QAccessibleWidget(picture, QAccessible::Notification) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name)
            return widget()->objectName() == kIconaSi ? QStringLiteral("risposta esatta")
                                                      : QStringLiteral("risposta sbagliata");
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (className == u"vocario::DesignLabel")
        return new LabelAccessible(static_cast<DesignLabel*>(object));
    if (className == u"QLabel" &&
        (object->objectName() == kIconaSi || object->objectName() == kIconaNo))
        return new PictureAccessible(static_cast<QWidget*>(object));
    if (className == u"QWidget" && isClientArea(object))
        return new ClientAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

void install() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(factory);
}

} // namespace vocario::AccessibleControls
