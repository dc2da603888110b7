#pragma once

#include "design.h"

namespace vocario {

/// Form2, synonym matching ("abbina sinonimi").
const WindowDesign& designForm2();

} // namespace vocario
