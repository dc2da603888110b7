#pragma once

#include "core/soundoutput.h"

#include <QHash>
#include <QStringList>

class QSoundEffect;

namespace vocario {

/// Sound output through QSoundEffect. Each file is loaded once and kept; a
/// missing file, a missing folder or a machine without audio plays nothing.
class EffectSoundOutput : public SoundOutput {
  public:
    EffectSoundOutput();
    ~EffectSoundOutput() override;

    void play(const QString& wavPath) override;
    /// Loads the given files ahead of their first use.
    void preload(const QStringList& wavPaths);

  private:
    QSoundEffect* effectFor(const QString& wavPath);

    QHash<QString, QSoundEffect*> effects_;
    QSoundEffect* current_ = nullptr;
    bool hasAudio_ = true;
};

} // namespace vocario
