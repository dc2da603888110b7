#pragma once

#include "design.h"

namespace vocario {

/// Form7, intensity ordering ("gradi").
const WindowDesign& designForm7();

} // namespace vocario
