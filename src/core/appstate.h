#pragma once

#include "options/opzioni.h"
#include "randomgenerator.h"

#include <QString>
#include <memory>

namespace vocario {

class Lettore;
class Registrazione;
class SoundOutput;
class SpeechOutput;

/// Deletes the reader; defined beside it (speech/lettore.cpp), so that the
/// state needs no more than its name.
struct ChiudiLettore {
    void operator()(Lettore* lettore) const;
};

/// Process-wide state, one copy for the whole run: the counts, the
/// auto-advance flag, the random generator,
/// the sound output, the program's folder and the options of "Opzioni". Start-up creates it and
/// every window is handed it when it is built.
struct AppState {
    qint16 NumeroEsatti = 0;
    qint16 NumeroErrati = 0;
    /// -1 true (a finished item waits for "avanti"), 0 false.
    qint16 AttendeBottone = 0;
    RandomGenerator random;
    /// The folder that holds `testi` and `suoni` (see Cartelle).
    QString cartellaProgramma;
    /// The teacher's own lists, which take the place of the program's of the
    /// same name; empty for the platform's place (see CartelleElenchi).
    QString cartellaInsegnante;
    /// Where sounds go; created on first use unless a test installs its own.
    std::unique_ptr<SoundOutput> suono;
    /// The size, voice and letters the windows that follow are built with.
    Opzioni opzioni;
    /// The voice that reads aloud; created at its first use unless a test
    /// installs its own. The reader exists while reading aloud is on.
    std::unique_ptr<SpeechOutput> voce;
    std::unique_ptr<Lettore, ChiudiLettore> lettore;
    /// The class register's folder; empty for the platform's data folder.
    QString cartellaRegistro;
    /// The named pupil's recorder; none for a guest or with no class set up.
    std::unique_ptr<Registrazione> registrazione;

    explicit AppState(QString cartella = {});
    ~AppState();
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;
};

} // namespace vocario
