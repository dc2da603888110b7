#include "sceltaripasso.h"

#include "ripasso.h"

namespace vocario {

SceltaRipasso::SceltaRipasso(const Ripasso& ripasso, QString esercizio, Orologio orologio)
    : ripasso_(ripasso), esercizio_(std::move(esercizio)), orologio_(std::move(orologio)) {}

RichiestaRipasso SceltaRipasso::richiesta(int posti) {
    return ripasso_.richiesta(esercizio_, posti, orologio_());
}

bool SceltaRipasso::vista(const QString& testo) const {
    return ripasso_.stato(esercizio_, testo) != nullptr;
}

} // namespace vocario
