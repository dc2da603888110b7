#pragma once

#include "geometry/design.h"

namespace vocario {

/// Form8, idiom matching ("parola corretta").
const WindowDesign& designForm8();

/// The rows of the targets Label4(0..3), onto which the window shuffles the
/// draggable texts Label3(0..3).
inline constexpr RowPlaces kRigheForm8{.first = 420, .spacing = 1200, .count = 4};

} // namespace vocario
