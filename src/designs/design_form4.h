#pragma once

#include "geometry/exercisedesign.h"

namespace vocario {

/// Form4, the including word ("parola che comprende le altre").
const WindowDesign& designForm4();

/// The rows onto which the window shuffles its tiles Label3(0..3).
inline constexpr RowPlaces kRigheForm4 = kRigheTessere;

} // namespace vocario
