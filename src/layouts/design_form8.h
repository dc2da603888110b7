#pragma once

#include "design.h"

namespace vocario {

/// Form8, idiom matching ("parola corretta").
const WindowDesign& designForm8();

} // namespace vocario
