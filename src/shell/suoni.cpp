#include "suoni.h"

#include "appstate.h"
#include "effectsoundoutput.h"

namespace vocario::Suoni {
namespace {

QString percorso(const QString& file) {
    return stato().cartellaProgramma + QStringLiteral("/suoni/") + file;
}

SoundOutput& uscita() {
    preparaUscita();
    return *stato().suono;
}

} // namespace

QStringList tuttiIFile() {
    QStringList paths;
    for (const char* name : {"si1.wav", "si2.wav", "si3.wav", "si4.wav", "no.wav"})
        paths << percorso(QLatin1String(name));
    return paths;
}

void preparaUscita() {
    if (stato().suono)
        return;
    auto output = std::make_unique<EffectSoundOutput>();
    output->preload(tuttiIFile());
    stato().suono = std::move(output);
}

void SuonoEsatto() {
    const int n = stato().random.wholeNumber(4);
    uscita().play(percorso(QStringLiteral("si%1.wav").arg(n)));
}

void SuonoErrato() {
    uscita().play(percorso(QStringLiteral("no.wav")));
}

} // namespace vocario::Suoni
