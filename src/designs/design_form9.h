#pragma once

#include "geometry/design.h"

namespace vocario {

/// Form9, word meaning ("vocario").
const WindowDesign& designForm9();

/// The rows onto which the window shuffles its answer buttons Bottone(0..2).
inline constexpr RowPlaces kRigheForm9{.first = 1785, .spacing = 800, .count = 3};

} // namespace vocario
