#pragma once

#include "randomgenerator.h"
#include "wordlists/wordtables.h"

#include <QString>
#include <memory>

namespace vocario {

class SoundOutput;

/// Process-wide state, one copy for the whole run: the counts, the
/// auto-advance flag, the word tables, the latest draw, the random generator,
/// the sound output and the program's folder. Start-up creates it and every
/// window is handed it when it is built.
struct AppState : WordTables {
    qint16 NumeroEsatti = 0;
    qint16 NumeroErrati = 0;
    /// -1 true (a finished item waits for "avanti"), 0 false.
    qint16 AttendeBottone = 0;
    qint16 Estratto = 0;
    RandomGenerator random;
    /// The folder that holds `testi` and `suoni` (see Cartelle).
    QString cartellaProgramma;
    /// The teacher's own lists, which take the place of the program's of the
    /// same name; empty for the platform's place (see CartelleElenchi).
    QString cartellaInsegnante;
    /// Where sounds go; created on first use unless a test installs its own.
    std::unique_ptr<SoundOutput> suono;

    explicit AppState(QString cartella = {});
    ~AppState();
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;
};

} // namespace vocario
