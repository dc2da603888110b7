#include "suoni.h"

#include "core/appstate.h"
#include "core/cartelle.h"
#include "core/soundoutput.h"
#include "soundmodule.h"

#include <QCoreApplication>

namespace vocario::Suoni {
namespace {

QString percorso(const AppState& stato, const QString& file) {
    return stato.cartellaProgramma + QStringLiteral("/suoni/") + file;
}

SoundOutput& uscita(AppState& stato) {
    preparaUscita(stato);
    return *stato.suono;
}

} // namespace

QStringList tuttiIFile(const AppState& stato) {
    QStringList paths;
    for (const char* name : {"si1.wav", "si2.wav", "si3.wav", "si4.wav", "no.wav"})
        paths << percorso(stato, QLatin1String(name));
    return paths;
}

void preparaUscita(AppState& stato) {
    if (stato.suono)
        return;
    stato.suono = SoundModule::load(Cartelle::cartellaModuli(), tuttiIFile(stato));
    // The output's code lives in the module, whose globals go before the
    // program's state at exit: the output goes with the event loop instead.
    if (QCoreApplication* app = QCoreApplication::instance()) {
        SoundOutput* output = stato.suono.get();
        QObject::connect(app, &QCoreApplication::aboutToQuit, app, [&stato, output] {
            if (stato.suono.get() == output)
                stato.suono.reset();
        });
    }
}

void SuonoEsatto(AppState& stato) {
    const int n = stato.random.wholeNumber(4);
    uscita(stato).play(percorso(stato, QStringLiteral("si%1.wav").arg(n)));
}

void SuonoErrato(AppState& stato) {
    uscita(stato).play(percorso(stato, QStringLiteral("no.wav")));
}

} // namespace vocario::Suoni
