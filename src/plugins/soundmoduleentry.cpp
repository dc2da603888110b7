// The entry point of the sound module (see sound/soundmodule.h).

#include "effectsoundoutput.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT vocario::SoundOutput*
vocario_creaUscitaSonora(const QStringList& wavPaths) {
    auto* output = new vocario::EffectSoundOutput;
    output->preload(wavPaths);
    return output;
}
