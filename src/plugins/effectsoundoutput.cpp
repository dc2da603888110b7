#include "effectsoundoutput.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace vocario {

EffectSoundOutput::EffectSoundOutput() : hasAudio_(!QMediaDevices::audioOutputs().isEmpty()) {}

EffectSoundOutput::~EffectSoundOutput() {
    qDeleteAll(effects_);
}

QSoundEffect* EffectSoundOutput::effectFor(const QString& wavPath) {
    if (!hasAudio_ || !QFileInfo::exists(wavPath))
        return nullptr;
    auto it = effects_.find(wavPath);
    if (it != effects_.end())
        return *it;
    auto* effect = new QSoundEffect;
    effect->setSource(QUrl::fromLocalFile(wavPath));
    effects_.insert(wavPath, effect);
    return effect;
}

void EffectSoundOutput::preload(const QStringList& wavPaths) {
    for (const QString& path : wavPaths)
        effectFor(path);
}

void EffectSoundOutput::play(const QString& wavPath) {
    QSoundEffect* effect = effectFor(wavPath);
    if (current_ && current_ != effect)
        current_->stop();
    current_ = effect;
    if (effect)
        effect->play();
}

} // namespace vocario
