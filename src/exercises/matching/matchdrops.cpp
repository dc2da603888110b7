#include "matchdrops.h"

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
    for (int k = 0; k < count; ++k)
        pick->addWord(window->member<DesignLabel>(sourceArray, k));
    // A filled place leaves the Tab order until the next item: the keyboard
    // goes only where a word can still go. It leaves it with the answer, as
    // the last pair of an item may deal the next one before the drop ends.
    auto dropping = std::make_shared<QPointer<DesignLabel>>();
    QObject::connect(window, &ExerciseWindow::risposta, window,
                     [dropping](const Verdetto& verdetto) {
                         if (verdetto.esatta && *dropping)
                             (*dropping)->setFocusPolicy(Qt::NoFocus);
                     });
    QObject::connect(window, &ExerciseWindow::turnoPreparato, window, [window, count] {
        for (int i = 0; i < count; ++i)
            window->member<DesignLabel>(QStringLiteral("Label4"), i)->setFocusPolicy(Qt::TabFocus);
    });
    for (int i = 0; i < count; ++i) {
        auto* target = window->member<DesignLabel>(QStringLiteral("Label4"), i);
        target->setDropTarget(true);
        PlaceDrop drop = [window, i, handler, sourceArray, target,
                          dropping](const QString& sourceName) {
            const std::optional<int> k = memberIndex(sourceName, sourceArray);
            if (!k)
                return DropVerdict::Ignored;
            // A drop names what it likes: not every name is ours.
            const auto* source = window->findChild<QWidget*>(memberName(sourceArray, *k));
            if (!source || !source->isEnabled())
                return DropVerdict::Ignored;
            *dropping = target;
            const DropVerdict verdict = handler(i, *k);
            *dropping = nullptr;
            return verdict;
        };
        pick->addPlace(target, drop);
        QObject::connect(target, &DesignLabel::dropped, window,
                         [drop](const QString& sourceName) { drop(sourceName); });
    }
}

} // namespace vocario
