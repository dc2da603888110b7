#pragma once

#include <QString>

namespace vocario {

/// Where the program finds what it ships (word lists, sounds, the
/// modules): beside itself when `testi` is there, as in the build folder or a
/// copy carried around whole; otherwise where the installation put them
/// (share/vocario and lib/<multiarch>/vocario next to bin/). Nothing is
/// written there.
namespace Cartelle {

/// The folder that holds `testi` and `suoni`.
QString datiProgramma();
/// The folder that holds the sound and voice modules.
QString cartellaModuli();

} // namespace Cartelle
} // namespace vocario
