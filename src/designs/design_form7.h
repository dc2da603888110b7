#pragma once

#include "geometry/design.h"

#include <array>

namespace vocario {

/// Form7, intensity ordering ("gradi").
const WindowDesign& designForm7();

/// Left edges of the two places Label4(0) ("meno intenso") and Label4(1)
/// ("più intenso"); the window puts the two words Label3 over them in either
/// order.
inline constexpr std::array<int, 2> kColonneForm7{210, 3570};

} // namespace vocario
