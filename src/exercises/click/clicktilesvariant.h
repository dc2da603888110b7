#pragma once

#include "geometry/design.h"
#include "models/tessere.h"

namespace vocario {

/// Where the two click-tile windows differ. Everything else (placing the
/// tiles, the lock while "avanti" waits) they share.
/// The instruction line comes with the design table.
struct ClickTilesVariant {
    /// The rows onto which the tiles are shuffled.
    RowPlaces rows;
    /// How an item is dealt from its list.
    ModelloTessere::Regola regola;
};

/// Form4, "parola che comprende le altre": one record of aree1.txt, the
/// including word first.
const ClickTilesVariant& varianteForm4();
/// Form6, "parola intrusa": the three words of one group of aree2.txt and a
/// word of another group, the intruder, first.
const ClickTilesVariant& varianteForm6();

} // namespace vocario
