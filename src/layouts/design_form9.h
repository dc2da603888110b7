#pragma once

#include "design.h"

namespace vocario {

/// Form9, word meaning ("vocario").
const WindowDesign& designForm9();

} // namespace vocario
