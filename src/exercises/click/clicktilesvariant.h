#pragma once

#include "geometry/design.h"
#include "wordlists/wordtables.h"

#include <QString>
#include <array>

namespace vocario {

class RandomGenerator;

/// Rows 1..100 of an area list (TabellaAree1 in Form4, TabellaAree2 in Form6).
using TabellaAree = TextTable<101, 4>;
/// The texts of Label3(0)..Label3(3); Label3(0) is always the right answer.
using TestiTessere = std::array<QString, 4>;

/// Where the two click-tile windows differ. Everything else (placing the
/// tiles, judging a click, the lock while "avanti" waits) they share.
/// The instruction line comes with the design table.
struct ClickTilesVariant {
    /// The rows onto which the tiles are shuffled.
    RowPlaces rows;
    /// How the records of its word list fill the table.
    int fieldsPerRecord;
    int firstColumn;
    /// Draws one item from rows 1..count, in the order the window draws.
    TestiTessere (*deal)(const TabellaAree& table, int count, RandomGenerator& random);
};

/// Form4, "parola che comprende le altre": one record of aree1.txt, the
/// including word first.
const ClickTilesVariant& varianteForm4();
/// Form6, "parola intrusa": the three words of one group of aree2.txt and a
/// word of another group, the intruder, first.
const ClickTilesVariant& varianteForm6();

} // namespace vocario
