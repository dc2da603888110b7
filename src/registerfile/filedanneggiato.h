#pragma once

#include "classi.h"

#include <QString>
#include <mutex>
#include <optional>

namespace vocario::FileDanneggiato {

/// Held while a batch is written, and while a damaged file is set aside:
/// a batch is never committed into a file on its way out.
std::unique_lock<std::recursive_mutex> bloccaFile();

/// How many times the register's file of `cartella` has been started
/// again in this run: a connection opened before a change must open again.
int generazione(const QString& cartella);

/// The classes and pupils last read from the register of `cartella`: put
/// back into a new file when the damaged one no longer gives them, so that
/// the answers still waiting keep their pupil.
void ricordaClassi(const QString& cartella, const QList<Classe>& classi);

struct Esito {
    /// Where the damaged file went; empty when another connection had set
    /// it aside already.
    QString messoDaParte = {};
    /// Why nothing could be done, in Italian; empty when the new file is ready.
    std::optional<QString> errore = {};
};

/// Moves the damaged file of `cartella` aside (kept, named with the date),
/// starts a new one, copies into it what the damaged one still gives
/// (table by table) and leaves a notice for the teacher. `vista` is the
/// generation the caller found damaged: when the file has been started
/// again since, nothing is moved. On return the connection `connessione`
/// is open on the new file, unless there is an error.
Esito ricomincia(const QString& cartella, const QString& connessione, int vista);

} // namespace vocario::FileDanneggiato
