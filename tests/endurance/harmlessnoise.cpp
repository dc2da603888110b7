#include "harmlessnoise.h"

#include <QString>

namespace vocario::endurance {
namespace {

QtMessageHandler previous = nullptr;

void filter(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("does not support propagateSizeHints")))
        return;
    if (previous)
        previous(type, context, message);
}

} // namespace

void silenceHarmlessNoise() {
    if (!previous)
        previous = qInstallMessageHandler(filter);
}

} // namespace vocario::endurance
