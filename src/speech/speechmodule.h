#pragma once

#include <QString>
#include <memory>

namespace vocario {

class SpeechOutput;

/// The voice lives in a module of its own beside the program, with Qt
/// TextToSpeech and what it brings; the program loads it only when reading
/// aloud is on, and never on the thread that draws the windows (see
/// BackgroundSpeech): speech-dispatcher may take seconds to start, or hang.
namespace SpeechModule {

/// The module's file name, without the platform's suffix.
inline constexpr char kFileName[] = "vocario_voce";
/// The function the module exports: it connects to the speech engine and
/// returns an output reading Italian, or nothing and the reason in `motivo`.
inline constexpr char kEntryPoint[] = "vocario_creaVoce";
using EntryPoint = SpeechOutput* (*)(QString* motivo);

/// The module's output; nothing, with the reason in `motivo`, when the
/// module, the engine or an Italian voice is missing.
std::unique_ptr<SpeechOutput> load(const QString& folder, QString* motivo);

} // namespace SpeechModule
} // namespace vocario
