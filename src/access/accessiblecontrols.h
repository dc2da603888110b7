#pragma once

namespace vocario {

/// The accessibility bridge's view of the program's own controls, given by
/// a factory that Qt asks before its own: the labels (words, places, tiles,
/// counts, texts), the two feedback pictures and the client area of every
/// window, whose controls it lists in reading order.
namespace AccessibleControls {

/// Registers the factory (once).
void install();

} // namespace AccessibleControls
} // namespace vocario
