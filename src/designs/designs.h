#pragma once

#include "geometry/design.h"

namespace vocario {

/// The start screen and the exercise menu; each exercise window has its own
/// design header, design_formN.h.
const WindowDesign& designFormAvvio();
const WindowDesign& designFormMenu();

} // namespace vocario
