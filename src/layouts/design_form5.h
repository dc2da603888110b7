#pragma once

#include "design.h"

namespace vocario {

/// Form5, degree matching ("abbina gradi").
const WindowDesign& designForm5();

} // namespace vocario
