#pragma once

#include "design.h"

namespace vocario {

/// Form4, the including word ("parola che comprende le altre").
const WindowDesign& designForm4();

} // namespace vocario
