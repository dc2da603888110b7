#pragma once

class QPagedPaintDevice;

namespace vocario {

struct Scheda;

/// A4 portrait with margins that a school printer leaves whole.
void preparaPagine(QPagedPaintDevice& device);

/// Draws `scheda` on `device` (already prepared): the sheets, each page with
/// the lines for name, class and date, then the key on pages of its own
/// with the same items, answers marked. An item is never split between two
/// pages. A block asked to fill one page starts on a page of its own and
/// keeps only the items that fit there. False when the device cannot be
/// drawn on.
bool disegnaScheda(Scheda& scheda, QPagedPaintDevice& device);

} // namespace vocario
