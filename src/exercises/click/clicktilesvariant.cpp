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

QString tooShortForm4(const QString& file, int /*count*/) {
    return QStringLiteral("Il file %1 non contiene nessuna voce.\n"
                          "Ogni riga deve avere una parola e le tre parole che essa comprende, "
                          "separate da virgole.")
        .arg(file);
}

QString tooShortForm6(const QString& file, int count) {
    const QString found =
        count == 0 ? QStringLiteral("nessun gruppo") : QStringLiteral("un solo gruppo");
    return QStringLiteral("Il file %1 contiene %2 di parole, ma per la parola intrusa "
                          "ne servono almeno due.\n"
                          "Ogni riga deve avere tre parole dello stesso gruppo, separate da "
                          "virgole.")
        .arg(file, found);
}

} // namespace

const ClickTilesVariant& varianteForm4() {
    static const ClickTilesVariant variant{
        .rows = kRigheForm4,
        .fieldsPerRecord = 4,
        .firstColumn = 0,
        .tooShort = tooShortForm4,
        .deal = dealIncluding,
    };
    return variant;
}

const ClickTilesVariant& varianteForm6() {
    static const ClickTilesVariant variant{
        .rows = kRigheForm6,
        .fieldsPerRecord = 3,
        .firstColumn = 1,
        .tooShort = tooShortForm6,
        .deal = dealIntruder,
    };
    return variant;
}

} // namespace vocario
