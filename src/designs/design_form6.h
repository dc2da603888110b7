#pragma once

#include "geometry/exercisedesign.h"

namespace vocario {

/// Form6, the odd word out ("parola intrusa").
const WindowDesign& designForm6();

/// The rows onto which the window shuffles its tiles Label3(0..3).
inline constexpr RowPlaces kRigheForm6 = kRigheTessere;

} // namespace vocario
