#pragma once

#include <QStringList>
#include <memory>

namespace vocario {

class SoundOutput;

/// The real sound output lives in a module of its own beside the program,
/// with Qt Multimedia and the audio libraries it brings: loading them takes
/// longer than painting the start screen, so the program loads the module
/// only once that screen is up (see FormAvvio).
namespace SoundModule {

/// The module's file name, without the platform's suffix.
inline constexpr char kFileName[] = "vocario_suoni";
/// The function the module exports: it creates the output and loads the
/// given WAV files.
inline constexpr char kEntryPoint[] = "vocario_creaUscitaSonora";
using EntryPoint = SoundOutput* (*)(const QStringList& wavPaths);

/// The module's output with `wavPaths` loaded; an output that plays nothing
/// when the module cannot be loaded, as with a missing sound file.
std::unique_ptr<SoundOutput> load(const QString& folder, const QStringList& wavPaths);

} // namespace SoundModule
} // namespace vocario
