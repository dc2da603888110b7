#include "recordingsound.h"

#include "core/appstate.h"

#include <QFileInfo>

namespace vocario::testing {

QStringList RecordingSoundOutput::playedNames() const {
    QStringList names;
    for (const QString& path : played)
        names.append(QFileInfo(path).fileName());
    return names;
}

RecordingSoundOutput* installRecordingSound(AppState& stato) {
    auto recorder = std::make_unique<RecordingSoundOutput>();
    RecordingSoundOutput* raw = recorder.get();
    stato.suono = std::move(recorder);
    return raw;
}

} // namespace vocario::testing
