#pragma once

#include "randomgenerator.h"
#include "wordlists/wordtables.h"

#include <QString>
#include <memory>

namespace vocario {

class SoundOutput;

/// Process-wide state, one copy for the whole run: the counts, the
/// auto-advance flag, the word tables, the latest draw and the random generator.
struct AppState : WordTables {
    qint16 NumeroEsatti = 0;
    qint16 NumeroErrati = 0;
    /// -1 true (a finished item waits for "avanti"), 0 false.
    qint16 AttendeBottone = 0;
    qint16 Estratto = 0;
    RandomGenerator random;
    /// The folder that holds `testi` and `suoni`: the program's own folder.
    QString cartellaProgramma;
    /// The teacher's own lists, which take the place of the program's of the
    /// same name; empty for the platform's place (see CartelleElenchi).
    QString cartellaInsegnante;
    /// Where sounds go; created on first use unless a test installs its own.
    std::unique_ptr<SoundOutput> suono;

    AppState();
    ~AppState();
    /// Back to the state of a fresh start (tests use it between cases).
    void reset();
};

/// The one process-wide state.
AppState& stato();

} // namespace vocario
