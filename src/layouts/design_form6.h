#pragma once

#include "design.h"

namespace vocario {

/// Form6, the odd word out ("parola intrusa").
const WindowDesign& designForm6();

} // namespace vocario
