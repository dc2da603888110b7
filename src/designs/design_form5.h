#pragma once

#include "geometry/exercisedesign.h"

namespace vocario {

/// Form5, degree matching ("abbina gradi").
const WindowDesign& designForm5();

/// The rows onto which the window shuffles its draggable words Label3(0..8).
inline constexpr RowPlaces kRigheForm5 = kNoveRighe;

} // namespace vocario
