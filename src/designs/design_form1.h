#pragma once

#include "geometry/exercisedesign.h"

namespace vocario {

/// Form1, antonym matching ("abbina contrari").
const WindowDesign& designForm1();

/// The rows onto which the window shuffles its draggable words Label3(0..8).
inline constexpr RowPlaces kRigheForm1 = kNoveRighe;

} // namespace vocario
