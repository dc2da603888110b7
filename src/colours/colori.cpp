#include "colori.h"

#include "core/randomgenerator.h"

namespace vocario::Colori {

quint32 estrai(RandomGenerator& random) {
    const int slot = random.wholeNumber(int(Tavolozza.size()) - 1);
    return Tavolozza[size_t(slot)];
}

} // namespace vocario::Colori
