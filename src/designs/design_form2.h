#pragma once

#include "geometry/design.h"

namespace vocario {

/// Form2, synonym matching ("abbina sinonimi").
const WindowDesign& designForm2();

/// The rows of both columns: the window moves Label4(0..6) onto them before it
/// reads its list and shuffles the synonyms Label3(0..6) onto them.
inline constexpr RowPlaces kRigheForm2{.first = 100, .spacing = 950, .count = 7};

} // namespace vocario
