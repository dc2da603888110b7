#pragma once

#include "design.h"

namespace vocario {

/// The design table of every window of the program.
const WindowDesign& designFormAvvio();
const WindowDesign& designFormMenu();
const WindowDesign& designForm1();
const WindowDesign& designForm2();
const WindowDesign& designForm3();
const WindowDesign& designForm4();
const WindowDesign& designForm5();
const WindowDesign& designForm6();
const WindowDesign& designForm7();
const WindowDesign& designForm8();
const WindowDesign& designForm9();

} // namespace vocario
