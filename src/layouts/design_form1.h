#pragma once

#include "design.h"

namespace vocario {

/// Form1, antonym matching ("abbina contrari").
const WindowDesign& designForm1();

} // namespace vocario
