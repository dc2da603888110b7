#pragma once

#include "schedeelenchi.h"
#include "segnalazione.h"
#include "wordlists/wordlistreader.h"
#include "wordlists/wordlistscan.h"

namespace vocario {

/// The checks the checker makes beyond what the reader refuses. `mostrato`
/// names the file in the findings ("testi/contrari.txt").
namespace ControlliVoci {

/// Records of a list the exercises open: empty parts, repeated records, the
/// same text twice where the pupil matches, repeated choices, a word in two
/// groups, texts too long for their control, a right choice that gives
/// itself away by its length.
QList<Segnalazione> voci(const SchedaElenco& scheda, const QString& mostrato,
                         const WordListResult& letto);

/// Lines whose number of parts is not one record's.
QList<Segnalazione> righe(const SchedaElenco& scheda, const QString& mostrato,
                          const WordListScan& scansione);

/// Lines in another encoding than the rest of the file.
QList<Segnalazione> codifica(const SchedaElenco& scheda, const QString& mostrato,
                             const WordListScan& scansione);

/// Pairs that are in both lists, synonyms and antonyms at once.
QList<Segnalazione> sinonimiEContrari(const QString& mostratoSinonimi,
                                      const WordListResult& sinonimi,
                                      const QString& mostratoContrari,
                                      const WordListResult& contrari);

} // namespace ControlliVoci
} // namespace vocario
