#include "opzioni.h"

#include "tabellaopzioni.h"

namespace vocario {

Opzioni ScelteOpzioni::applicate(Opzioni base) const {
    for (const RigaOpzione& riga : tabellaOpzioni())
        if (const std::optional<int> scelta = riga.campo.scelta(*this))
            riga.campo.imposta(base, *scelta);
    return base;
}

QString nomeDimensione(Dimensione dimensione) {
    return rigaOpzione("dimensione").parola(int(dimensione));
}

std::optional<Dimensione> dimensioneDalNome(const QString& nome) {
    if (const std::optional<int> valore = rigaOpzione("dimensione").valoreDi(nome))
        return Dimensione(*valore);
    return std::nullopt;
}

} // namespace vocario
