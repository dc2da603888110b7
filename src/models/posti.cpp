#include "posti.h"

#include "core/randomgenerator.h"

namespace vocario {

QList<int> ScombiccheraPosti(int n, RandomGenerator& random) {
    QList<int> righe(n, -1);
    for (int riga = 0; riga < n; ++riga) {
        int j = random.below(n);
        while (righe[j] != -1)
            j = (j + 1) % n;
        righe[j] = riga;
    }
    return righe;
}

} // namespace vocario
