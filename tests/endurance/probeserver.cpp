#include "probeserver.h"

#include "access/pickandplace.h"
#include "answeroracle.h"
#include "colours/widgetcolours.h"
#include "core/appstate.h"
#include "frame/exercisewindow.h"
#include "layouts/designtextbox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDrag>
#include <QEvent>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSocketNotifier>
#include <cstdio>
#include <unistd.h>

namespace vocario::endurance {
namespace {

QJsonArray rectJson(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

QRect globalRect(const QWidget* widget) {
    return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
}

QString textOf(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (const auto* box = qobject_cast<const DesignTextBox*>(widget))
        return box->text();
    return {};
}

QJsonObject controlJson(const QString& name, const QWidget* widget) {
    QJsonObject control{{"name", name},
                        {"class", widget->metaObject()->className()},
                        {"text", textOf(widget)},
                        {"rect", rectJson(globalRect(widget))},
                        {"visible", widget->isVisible()},
                        {"enabled", widget->isEnabled()},
                        {"back", qint64(backColour(widget))}};
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        control.insert("checked", button->isChecked());
    return control;
}

QJsonObject actionJson(const QAction* action, const QRect& global) {
    return {{"name", action->objectName()},
            {"text", action->text()},
            {"rect", rectJson(global)},
            {"enabled", action->isEnabled()},
            {"checked", action->isChecked()}};
}

// A point of the window's own background, away from every control: where a
// screenshot shows the window colour.
QJsonArray backgroundSample(const QMainWindow* window) {
    const QWidget* central = window->centralWidget();
    for (int y = 4; y < central->height(); y += 6)
        for (int x = 4; x < central->width(); x += 6)
            if (!central->childAt(QPoint(x, y)))
                return {central->mapToGlobal(QPoint(x, y)).x(),
                        central->mapToGlobal(QPoint(x, y)).y()};
    return {};
}

QJsonArray movesJson(const QList<Move>& moves) {
    QJsonArray list;
    for (const Move& move : moves)
        list.append(QJsonArray{move.source, move.target});
    return list;
}

QJsonObject windowJson(QWidget* top) {
    QJsonObject window{{"name", top->objectName()},
                       {"class", top->metaObject()->className()},
                       {"title", top->windowTitle()},
                       {"rect", rectJson(globalRect(top))},
                       {"modal", top->isModal()}};
    QJsonArray controls;
    const bool messageBox = qobject_cast<QMessageBox*>(top) != nullptr;
    for (const QWidget* child : top->findChildren<QWidget*>()) {
        QString name = child->objectName();
        if (messageBox && qobject_cast<const QAbstractButton*>(child) && name.isEmpty())
            name = textOf(child);
        if (!name.isEmpty() && !name.startsWith(u"qt_"))
            controls.append(controlJson(name, child));
    }
    window.insert("controls", controls);

    QJsonArray actions;
    if (auto* main = qobject_cast<QMainWindow*>(top)) {
        if (QMenuBar* bar = main->menuWidget() ? main->menuBar() : nullptr)
            for (QAction* action : bar->actions())
                actions.append(actionJson(action, bar->actionGeometry(action).translated(
                                                      bar->mapToGlobal(QPoint(0, 0)))));
        QJsonArray states; // the sound ticks live in a submenu that is mostly closed
        for (const QAction* action : main->findChildren<QAction*>())
            if (!action->objectName().isEmpty())
                states.append(
                    QJsonObject{{"name", action->objectName()}, {"checked", action->isChecked()}});
        window.insert("actionStates", states);
        if (main->centralWidget())
            window.insert("sample", backgroundSample(main));
        window.insert("back", qint64(backColour(main->centralWidget())));
    }
    if (auto* popup = qobject_cast<QMenu*>(top))
        for (QAction* action : popup->actions())
            actions.append(actionJson(action, popup->actionGeometry(action).translated(
                                                  popup->mapToGlobal(QPoint(0, 0)))));
    window.insert("actions", actions);

    if (const auto* exercise = qobject_cast<const ExerciseWindow*>(top)) {
        const AnswerOracle oracle(exercise);
        window.insert("right", movesJson(oracle.rightMoves()));
        window.insert("wrong", movesJson(oracle.wrongMoves()));
        window.insert("answerControls", QJsonArray::fromStringList(oracle.answerControls()));
        window.insert("dropTargets", QJsonArray::fromStringList(oracle.dropTargets()));
    }
    return window;
}

} // namespace

ProbeServer::ProbeServer(QObject* parent) : QObject(parent) {
    input_ = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this);
    connect(input_, &QSocketNotifier::activated, this, &ProbeServer::readRequests);
    qApp->installEventFilter(this);
}

bool ProbeServer::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
        dragOver_ = watched->objectName();
        break;
    case QEvent::DragLeave:
        dragOver_.clear();
        break;
    case QEvent::Drop:
        dragOver_.clear();
        ++drops_;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void ProbeServer::readRequests() {
    char buffer[512];
    const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (got <= 0) { // the test has gone: stop listening
        input_->setEnabled(false);
        return;
    }
    pending_.append(buffer, got);
    for (qsizetype end = pending_.indexOf('\n'); end >= 0; end = pending_.indexOf('\n')) {
        const QByteArray request = pending_.left(end).trimmed();
        pending_.remove(0, end + 1);
        answer(request);
    }
}

void ProbeServer::answer(const QByteArray& request) {
    QJsonObject reply;
    if (request == "dump")
        reply = dump();
    else
        reply = {{"error", QString::fromUtf8("unknown request " + request)}};
    const QByteArray line = "PROBE " + QJsonDocument(reply).toJson(QJsonDocument::Compact) + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fflush(stdout);
}

QJsonObject ProbeServer::dump() const {
    QJsonArray windows;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible())
            windows.append(windowJson(top));
    bool dragging = false;
    for (QWidget* top : QApplication::topLevelWidgets())
        dragging = dragging || !top->findChildren<QDrag*>().isEmpty();
    // Every window is built over the one state of the program.
    AppState none;
    const AppState* shown = &none;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<VocarioWindow*>(top); window && window->isVisible())
            shown = &window->statoComune();
    const AppState& s = *shown;
    QWidget* focus = QApplication::focusWidget();
    QString picked;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* pick = top->findChild<PickAndPlace*>(); pick && pick->pickedWord())
            picked = pick->pickedWord()->objectName();
    QJsonObject reply{
        {"windows", windows},
        {"keyboard",
         QJsonObject{{"focus", focus ? focus->objectName() : QString()}, {"picked", picked}}},
        {"state", QJsonObject{{"NumeroEsatti", s.NumeroEsatti},
                              {"NumeroErrati", s.NumeroErrati},
                              {"AttendeBottone", s.AttendeBottone}}},
        {"drag", QJsonObject{{"active", dragging}, {"over", dragOver_}, {"drops", drops_}}}};
    if (registerReport_)
        reply.insert("register", registerReport_());
    return reply;
}

} // namespace vocario::endurance
