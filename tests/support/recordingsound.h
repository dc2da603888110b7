#pragma once

#include "core/soundoutput.h"

#include <QStringList>

namespace vocario {
struct AppState;
}

namespace vocario::testing {

/// Records the sounds the program asks for instead of playing them.
class RecordingSoundOutput : public SoundOutput {
  public:
    void play(const QString& wavPath) override { played.append(wavPath); }
    /// File names only ("si3.wav", "no.wav"), in order.
    QStringList playedNames() const;
    QStringList played;
};

/// Installs a recorder as the sound output of `stato` and returns it.
RecordingSoundOutput* installRecordingSound(AppState& stato);

} // namespace vocario::testing
