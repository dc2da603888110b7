#pragma once

#include "shell/navigazione.h"

namespace vocario {

/// The nine exercise windows behind the menu buttons, Form1 first.
std::array<ExerciseFactory, 9> catalogoEsercizi();

} // namespace vocario
