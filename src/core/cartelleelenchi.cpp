#include "cartelleelenchi.h"

#include "appstate.h"

#include <QDir>
#include <QStandardPaths>

namespace vocario::CartelleElenchi {

QString insegnante(const AppState& stato) {
    const QString& scelta = stato.cartellaInsegnante;
    if (!scelta.isEmpty())
        return scelta;
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/testi");
}

QString programma(const AppState& stato) {
    return stato.cartellaProgramma + QStringLiteral("/testi");
}

QList<WordListFolder> perLaLettura(const AppState& stato) {
    return {{insegnante(stato), QDir::toNativeSeparators(insegnante(stato) + u'/')},
            {programma(stato), QStringLiteral("testi/")}};
}

WordListReader lettoreElenchi(const AppState& stato) {
    return WordListReader(perLaLettura(stato));
}

QList<CartellaElenchi> perIlRapporto(const AppState& stato) {
    return {{QStringLiteral("elenchi dell'insegnante"), insegnante(stato)},
            {QStringLiteral("elenchi del programma"), programma(stato)}};
}

} // namespace vocario::CartelleElenchi
