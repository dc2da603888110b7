#pragma once

#include "access/pickandplace.h"

#include <functional>

namespace vocario {

class ExerciseWindow;

/// Called with the index i of the drop label Label4(i) and the index k of the
/// dragged label Label3(k); tells how the drop was judged.
using MatchDropHandler = std::function<DropVerdict(int target, int source)>;

/// Makes Label4(0)..Label4(count - 1) of `window` accept drops and passes each
/// drop of a Label3 member of the same window to `handler`. A drop that names
/// anything else, or a Label3 member already placed (disabled, so the pupil
/// cannot pick it up), is ignored. The words can also be picked and placed
/// by clicks, taps and keys (PickAndPlace), through the same drops.
void connectMatchDrops(ExerciseWindow* window, int count, MatchDropHandler handler);

} // namespace vocario
