#include "clicktilesvariant.h"

#include "designs/design_form4.h"
#include "designs/design_form6.h"

#include "core/randomgenerator.h"
#include "wordlists/wordlistfiles.h"

namespace vocario {
namespace {

// aree1.txt: the including word, then the three words it includes.
TestiTessere dealIncluding(const TabellaAree& table, int count, RandomGenerator& random) {
    const int row = random.wholeNumber(count);
    return {table[row][0], table[row][1], table[row][2], table[row][3]};
}

// aree2.txt: three words of one group; the intruder comes from another row.
// The caller guarantees two groups at least, so the redraw ends.
TestiTessere dealIntruder(const TabellaAree& table, int count, RandomGenerator& random) {
    const int intruderRow = random.wholeNumber(count);
    int groupRow = random.wholeNumber(count);
    while (groupRow == intruderRow)
        groupRow = random.wholeNumber(count);
    const int intruderColumn = random.wholeNumber(3);
    return {table[intruderRow][intruderColumn], table[groupRow][1], table[groupRow][2],
            table[groupRow][3]};
}

} // namespace

const ClickTilesVariant& varianteForm4() {
    static const ClickTilesVariant variant{
        .rows = kRigheForm4,
        .fieldsPerRecord = 4,
        .firstColumn = 0,
        .deal = dealIncluding,
    };
    return variant;
}

const ClickTilesVariant& varianteForm6() {
    static const ClickTilesVariant variant{
        .rows = kRigheForm6,
        .fieldsPerRecord = 3,
        .firstColumn = 1,
        .deal = dealIntruder,
    };
    return variant;
}

} // namespace vocario
