#include "accessiblecontrols.h"

#include "layouts/designlabel.h"
#include "pickandplace.h"
#include "screenorder.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QRegularExpression>
#include <QWindow>

namespace vocario::AccessibleControls {
namespace {

const QString kEsatti = QStringLiteral("EtichettaEsatti");
const QString kErrati = QStringLiteral("EtichettaErrati");
const QString kIconaSi = QStringLiteral("ComandoIconaSi");
const QString kIconaNo = QStringLiteral("ComandoIconaNo");
const QString kAnnuncio = QStringLiteral("qt_vocario_annuncio");

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
        // The captions "Esatti" and "Errati": the counts' names say them.
        list.removeIf([](const QWidget* control) {
            const auto* label = qobject_cast<const QLabel*>(control);
            const QString text = label ? label->text().trimmed() : QString();
            return text == u"Esatti" || text == u"Errati";
        });
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
        if (label()->acceptDrops()) {
            // A place named by its window ("meno intenso") says where it is;
            // a filled one shows the pair it made.
            if (const QString where = label()->accessibleName(); !where.isEmpty())
                return where + QStringLiteral(": ") +
                       (text.isEmpty() ? QStringLiteral("vuoto") : text);
            return pressable(label()) ? QStringLiteral("bersaglio: ") + text : text;
        }
        return text;
    }
    // How to pick and place is said once, when the window opens: a hint
    // read at every stop would bury the words.
    QString description() const { return {}; }
};

/// A feedback picture, on top after the answer it greets. Not a
/// notification: both come into view with the window, and the answer is
/// told by the window's announcer.
class PictureAccessible : public QAccessibleWidget {
  public:
    explicit PictureAccessible(QWidget* picture)
        : QAccessibleWidget(picture, QAccessible::Graphic) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name)
            return widget()->objectName() == kIconaSi ? QStringLiteral("risposta esatta")
                                                      : QStringLiteral("risposta sbagliata");
        return QAccessibleWidget::text(kind);
    }
};

/// An item of a window's menu bar, named by its caption without the blanks
/// that space the design's menu bar. Pressed from outside, it does its work
/// once the call has returned: "Esci" asks a question that waits.
class MenuBarItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    MenuBarItemAccessible(QAction* action, QMenuBar* bar) : action_(action), bar_(bar) {}

    bool isValid() const override { return action_ && bar_; }
    QObject* object() const override { return action_; }
    QWindow* window() const override { return bar_->window()->windowHandle(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(bar_);
    }
    QAccessibleInterface* child(int index) const override {
        return index == 0 && menu() ? QAccessible::queryAccessibleInterface(menu()) : nullptr;
    }
    int childCount() const override { return menu() ? 1 : 0; }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && menu() && child->object() == menu() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name)
            return {};
        return QString(action_->text())
            .remove(QRegularExpression(QStringLiteral("&(?!&)")))
            .simplified();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const QRect place = bar_->actionGeometry(action_);
        return {bar_->mapToGlobal(place.topLeft()), place.size()};
    }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        state.disabled = !action_->isEnabled();
        state.invisible = !action_->isVisible();
        state.focused = bar_->activeAction() == action_ && bar_->hasFocus();
        state.hasPopup = menu() != nullptr;
        state.expanded = menu() && menu()->isVisible();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override { return {menu() ? showMenuAction() : pressAction()}; }
    void doAction(const QString&) override {
        if (!action_->isEnabled())
            return;
        if (menu())
            bar_->setActiveAction(action_);
        else
            QMetaObject::invokeMethod(action_, &QAction::trigger, Qt::QueuedConnection);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    QMenu* menu() const { return action_ ? action_->menu<QMenu*>() : nullptr; }

    QPointer<QAction> action_;
    QPointer<QMenuBar> bar_;
};

/// The window's announcer (Annunciatore): a notification whose name is the news.
class AnnouncementAccessible : public QAccessibleWidget {
  public:
    explicit AnnouncementAccessible(QWidget* notice)
        : QAccessibleWidget(notice, QAccessible::Notification) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name)
            return widget()->property("vocarioAnnuncio").toString();
        return QAccessibleWidget::text(kind);
    }
};

// Qt 6.4 sends a renamed object's path where the screen reader expects its
// new name: Orca fails on it for the object with the focus ("bad content
// sent to speak()"). The focused control's news is announced instead; the
// change of any other control goes through as it is.
void withoutBrokenRenames(QAccessibleEvent* event) {
    if (event->type() == QAccessible::NameChanged && event->object() &&
        event->object() == QApplication::focusWidget())
        return;
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(withoutBrokenRenames);
}

QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (className == u"vocario::DesignLabel")
        return new LabelAccessible(static_cast<DesignLabel*>(object));
    if (className == u"QLabel" &&
        (object->objectName() == kIconaSi || object->objectName() == kIconaNo))
        return new PictureAccessible(static_cast<QWidget*>(object));
    if (className == u"QAction")
        for (QObject* owner : static_cast<QAction*>(object)->associatedObjects())
            if (auto* bar = qobject_cast<QMenuBar*>(owner))
                return new MenuBarItemAccessible(static_cast<QAction*>(object), bar);
    if (className == u"QWidget" && object->objectName() == kAnnuncio)
        return new AnnouncementAccessible(static_cast<QWidget*>(object));
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
    QAccessible::installUpdateHandler(withoutBrokenRenames);
}

} // namespace vocario::AccessibleControls
