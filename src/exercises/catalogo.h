#pragma once

#include "frame/exerciseentry.h"

namespace vocario {

/// The exercises behind the menu, one row each: the only place in the
/// program that knows which exercises there are.
const Catalogo& catalogoEsercizi();

} // namespace vocario
