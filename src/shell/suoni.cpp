#include "suoni.h"

#include "appstate.h"
#include "cartelle.h"
#include "soundmodule.h"
#include "soundoutput.h"

#include <QCoreApplication>

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
    stato().suono = SoundModule::load(Cartelle::moduloSuoni(), tuttiIFile());
    // The output's code lives in the module, whose globals go before the
    // program's state at exit: the output goes with the event loop instead.
    if (QCoreApplication* app = QCoreApplication::instance()) {
        SoundOutput* output = stato().suono.get();
        QObject::connect(app, &QCoreApplication::aboutToQuit, app, [output] {
            if (stato().suono.get() == output)
                stato().suono.reset();
        });
    }
}

void SuonoEsatto() {
    const int n = stato().random.wholeNumber(4);
    uscita().play(percorso(QStringLiteral("si%1.wav").arg(n)));
}

void SuonoErrato() {
    uscita().play(percorso(QStringLiteral("no.wav")));
}

} // namespace vocario::Suoni
