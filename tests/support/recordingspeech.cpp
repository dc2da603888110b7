#include "recordingspeech.h"

#include "core/appstate.h"

namespace vocario::testing {

QStringList RecordingSpeechOutput::texts() const {
    QStringList list;
    for (const Said& s : said)
        list.append(s.text);
    return list;
}

RecordingSpeechOutput* installRecordingSpeech(AppState& stato) {
    auto recorder = std::make_unique<RecordingSpeechOutput>();
    RecordingSpeechOutput* raw = recorder.get();
    stato.voce = std::move(recorder);
    return raw;
}

} // namespace vocario::testing
