#include "turnoguidato.h"

#include "core/randomgenerator.h"
#include "sceltavoci.h"

#include <algorithm>

namespace vocario {

void IndiceVoci::azzera() {
    testi_.clear();
    unitaDi_.clear();
}

void IndiceVoci::aggiungi(QStringList testi) {
    const int n = int(testi_.size()) + 1;
    for (const QString& testo : testi)
        unitaDi_.insert(testo, n); // a text twice in a list: its first unit
    testi_.append(std::move(testi));
}

namespace {

void aggiungiSeNuova(QList<int>& scelte, int unita) {
    if (unita > 0 && !scelte.contains(unita))
        scelte.append(unita);
}

} // namespace

QList<int> unitaGuidate(SceltaVoci& scelta, const IndiceVoci& indice, int posti,
                        RandomGenerator& random) {
    const RichiestaRipasso richiesta = scelta.richiesta(posti);
    QList<int> scelte;
    for (const QString& testo : richiesta.dovute) {
        if (scelte.size() >= posti)
            return scelte;
        aggiungiSeNuova(scelte, indice.unita(testo));
    }
    if (richiesta.nuove > 0 && scelte.size() < posti) {
        QList<int> mai;
        for (int u = 1; u <= indice.numero(); ++u) {
            const QStringList& testi = indice.testi(u);
            if (!scelte.contains(u) &&
                std::none_of(testi.begin(), testi.end(),
                             [&](const QString& t) { return scelta.vista(t); }))
                mai.append(u);
        }
        for (int k = 0; k < richiesta.nuove && scelte.size() < posti && !mai.isEmpty(); ++k)
            scelte.append(mai.takeAt(random.below(int(mai.size()))));
    }
    for (const QString& testo : richiesta.avanti) {
        if (scelte.size() >= posti)
            break;
        aggiungiSeNuova(scelte, indice.unita(testo));
    }
    return scelte;
}

void completaACaso(QList<int>& scelte, int posti, int n, RandomGenerator& random) {
    while (scelte.size() < std::min(posti, n)) {
        int unita = 0;
        do
            unita = random.wholeNumber(n);
        while (scelte.contains(unita));
        scelte.append(unita);
    }
}

} // namespace vocario
