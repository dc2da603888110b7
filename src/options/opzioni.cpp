#include "opzioni.h"

namespace vocario {

Opzioni ScelteOpzioni::applicate(Opzioni base) const {
    base.dimensione = dimensione.value_or(base.dimensione);
    base.leggiAdAltaVoce = leggiAdAltaVoce.value_or(base.leggiAdAltaVoce);
    base.altaLeggibilita = altaLeggibilita.value_or(base.altaLeggibilita);
    base.maiuscolo = maiuscolo.value_or(base.maiuscolo);
    return base;
}

QString nomeDimensione(Dimensione dimensione) {
    switch (dimensione) {
    case Dimensione::Grande:
        return QStringLiteral("grande");
    case Dimensione::SchermoIntero:
        return QStringLiteral("schermo-intero");
    case Dimensione::Normale:
        break;
    }
    return QStringLiteral("normale");
}

std::optional<Dimensione> dimensioneDalNome(const QString& nome) {
    // A teacher may write the two words of "schermo intero" apart.
    const QString parola = nome.trimmed().toLower().replace(u' ', u'-');
    for (Dimensione d : {Dimensione::Normale, Dimensione::Grande, Dimensione::SchermoIntero})
        if (parola == nomeDimensione(d))
            return d;
    return std::nullopt;
}

} // namespace vocario
