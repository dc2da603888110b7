#include "exercisedriver.h"

#include "core/appstate.h"
#include "exercises/choice/form3sinonimicontrari.h"
#include "frame/exercisewindow.h"
#include "layouts/dragpayload.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyleHints>
#include <memory>

namespace bench {
namespace {

using vocario::ExerciseWindow;

/// A drag of Label3(source) onto Label4(target): it enters, then it drops.
Answer drag(ExerciseWindow* window, bool right, int source, int target) {
    auto mime = std::make_shared<std::unique_ptr<QMimeData>>();
    const auto label = [window, target] {
        return window->member<QWidget>(QStringLiteral("Label4"), target);
    };
    const auto at = [label] { return QRectF(label()->rect()).center(); };
    return {right,
            [=] {
                mime->reset(vocario::DragPayload::encode(QStringLiteral("Label3(%1)").arg(source)));
                QDragEnterEvent enter(at().toPoint(), Qt::MoveAction, mime->get(), Qt::LeftButton,
                                      Qt::NoModifier);
                QCoreApplication::sendEvent(label(), &enter);
            },
            [=] {
                QDropEvent dropped(at(), Qt::MoveAction, mime->get(), Qt::LeftButton,
                                   Qt::NoModifier);
                QCoreApplication::sendEvent(label(), &dropped);
            }};
}

QList<Answer> dragPairs(ExerciseWindow* window, int pairs) {
    QList<Answer> answers;
    for (int k = 0; k < pairs; ++k) {
        answers.append(drag(window, false, k, (k + 1) % pairs));
        answers.append(drag(window, true, k, k));
    }
    return answers;
}

QList<Answer> clickTiles(ExerciseWindow* window) {
    const auto tile = [window](int k) {
        return window->member<QWidget>(QStringLiteral("Label3"), k);
    };
    return {clickOn(false, [tile] { return tile(1); }), clickOn(true, [tile] { return tile(0); })};
}

QList<Answer> sinonimiContrari(ExerciseWindow* window) {
    // Bottone1 says "synonyms", Bottone2 "antonyms".
    const auto button = [window](bool right) {
        const bool sinonimi =
            qobject_cast<const vocario::Form3SinonimiContrari*>(window)->modello().turno().giusta ==
            vocario::ModelloSinonimiContrari::kSinonimi;
        return window->control<QWidget>(sinonimi == right ? QStringLiteral("Bottone1")
                                                          : QStringLiteral("Bottone2"));
    };
    return {clickOn(false, [button] { return button(false); }),
            clickOn(true, [button] { return button(true); })};
}

QList<Answer> vocario(ExerciseWindow* window) {
    // Bottone(0) always holds the right meaning, wherever it stands.
    const auto button = [window](int i) {
        return window->member<QWidget>(QStringLiteral("Bottone"), i);
    };
    return {clickOn(false, [button] { return button(1); }),
            clickOn(true, [button] { return button(0); })};
}

// The time stamps of the presses, in milliseconds: each a double-click
// interval after the one before, as a pupil's are. With no time stamp every
// press would look like the second click of a double click, which the
// program keeps off what the first one made appear ("avanti" pressed again
// on the next item, a menu button pressed again on the next opening).
ulong pupilClock = 0;

} // namespace

void press(QWidget* widget) {
    pupilClock += ulong(QGuiApplication::styleHints()->mouseDoubleClickInterval()) + 1;
    const QPointF at = QRectF(widget->rect()).center();
    QMouseEvent event(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    event.setTimestamp(pupilClock);
    QCoreApplication::sendEvent(widget, &event);
}

void release(QWidget* widget) {
    const QPointF at = QRectF(widget->rect()).center();
    QMouseEvent event(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
    event.setTimestamp(pupilClock + 1);
    QCoreApplication::sendEvent(widget, &event);
}

Answer clickOn(bool right, std::function<QWidget*()> widget) {
    // The press decides which widget; the release goes to the same one.
    auto pressed = std::make_shared<QWidget*>(nullptr);
    return {right,
            [widget, pressed] {
                *pressed = widget();
                press(*pressed);
            },
            [pressed] { release(*pressed); }};
}

QList<Answer> answersForItem(int numero, ExerciseWindow* window) {
    switch (numero) {
    case 1: // abbina contrari
    case 5: // abbina gradi
        return dragPairs(window, 9);
    case 2: // abbina sinonimi
        return dragPairs(window, 7);
    case 7: // gradi
        return dragPairs(window, 2);
    case 8: // parola corretta
        return dragPairs(window, 4);
    case 3:
        return sinonimiContrari(window);
    case 4:
    case 6:
        return clickTiles(window);
    case 9:
        return vocario(window);
    default:
        return {};
    }
}

} // namespace bench
