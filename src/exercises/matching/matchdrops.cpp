#include "matchdrops.h"

#include "layouts/controlnames.h"
#include "layouts/designlabel.h"
#include "shell/vocariowindow.h"

namespace vocario {

void connectMatchDrops(VocarioWindow* window, int count, MatchDropHandler handler) {
    const QString sourceArray = QStringLiteral("Label3");
    for (int i = 0; i < count; ++i) {
        auto* target = window->member<DesignLabel>(QStringLiteral("Label4"), i);
        target->setDropTarget(true);
        QObject::connect(target, &DesignLabel::dropped, window,
                         [window, i, handler, sourceArray](const QString& sourceName) {
                             const std::optional<int> k = memberIndex(sourceName, sourceArray);
                             if (!k)
                                 return;
                             // A drop names what it likes: not every name is ours.
                             const auto* source =
                                 window->findChild<QWidget*>(memberName(sourceArray, *k));
                             if (source && source->isEnabled())
                                 handler(i, *k);
                         });
    }
}

} // namespace vocario
