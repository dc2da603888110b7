#pragma once

#include <QString>

namespace vocario {

/// Plays a WAV file without waiting; a new sound cuts off the one playing.
class SoundOutput {
  public:
    virtual ~SoundOutput() = default;
    virtual void play(const QString& wavPath) = 0;
};

} // namespace vocario
