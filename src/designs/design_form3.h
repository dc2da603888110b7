#pragma once

#include "geometry/design.h"

namespace vocario {

/// Form3, synonym or antonym ("sinonimi contrari").
const WindowDesign& designForm3();

} // namespace vocario
