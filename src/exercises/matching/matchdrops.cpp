#include "matchdrops.h"

#include "access/pickandplace.h"
#include "frame/exercisewindow.h"
#include "layouts/controlnames.h"
#include "layouts/designlabel.h"

#include <QPointer>
#include <memory>

namespace vocario {

void connectMatchDrops(ExerciseWindow* window, int count, MatchDropHandler handler) {
    const QString sourceArray = QStringLiteral("Label3");
    // Words picked and placed by clicks, taps or keys come by the same drops.
    auto* pick = new PickAndPlace(window->centralWidget());
    QObject::connect(window, &ExerciseWindow::risposta, pick, [pick](bool esatta) {
        if (!esatta)
            pick->dropWasWrong();
    });
    for (int k = 0; k < count; ++k)
        pick->addWord(window->member<DesignLabel>(sourceArray, k));
    // A filled place leaves the Tab order until the next item: the keyboard
    // goes only where a word can still go.
    auto dropping = std::make_shared<QPointer<DesignLabel>>();
    QObject::connect(window, &ExerciseWindow::risposta, window, [dropping](bool esatta) {
        if (esatta && *dropping)
            (*dropping)->setFocusPolicy(Qt::NoFocus);
    });
    QObject::connect(window, &ExerciseWindow::turnoPreparato, window, [window, count] {
        for (int i = 0; i < count; ++i)
            window->member<DesignLabel>(QStringLiteral("Label4"), i)->setFocusPolicy(Qt::TabFocus);
    });
    for (int i = 0; i < count; ++i) {
        auto* target = window->member<DesignLabel>(QStringLiteral("Label4"), i);
        target->setDropTarget(true);
        pick->addPlace(target);
        QObject::connect(
            target, &DesignLabel::dropped, window,
            [window, i, handler, sourceArray, target, dropping](const QString& sourceName) {
                const std::optional<int> k = memberIndex(sourceName, sourceArray);
                if (!k)
                    return;
                // A drop names what it likes: not every name is ours.
                const auto* source = window->findChild<QWidget*>(memberName(sourceArray, *k));
                if (!source || !source->isEnabled())
                    return;
                *dropping = target;
                handler(i, *k);
                *dropping = nullptr;
            });
    }
}

} // namespace vocario
