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
                             const QWidget* source = window->member<QWidget>(sourceArray, *k);
                             if (source && source->isEnabled())
                                 handler(i, *k);
                         });
    }
}

} // namespace vocario
