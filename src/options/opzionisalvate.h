#pragma once

#include "opzioni.h"

#include <QSettings>

namespace vocario {

/// The options kept for each user between runs, in Qt's settings of
/// organisation and application "vocario" (on Linux ~/.config/vocario/).
namespace OpzioniSalvate {

/// The stored options. Whatever is missing, unreadable or edited by hand
/// into something that is not one of the known values gives the default,
/// without a message: the program starts as designed.
Opzioni carica();
/// Keeps `opzioni` for the next runs; false when they could not be written.
bool salva(const Opzioni& opzioni);

/// This user's settings file, ~/.config/vocario/vocario.conf: the options
/// and the register's settings alike. What earlier versions kept under
/// ~/.config/Unknown Organization/ moves here the first time.
QSettings impostazioni();

} // namespace OpzioniSalvate
} // namespace vocario
