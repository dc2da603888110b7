#include "cartelleelenchi.h"

#include "appstate.h"

#include <QDir>
#include <QStandardPaths>

namespace vocario::CartelleElenchi {

QString insegnante() {
    const QString& scelta = stato().cartellaInsegnante;
    if (!scelta.isEmpty())
        return scelta;
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/testi");
}

QString programma() {
    return stato().cartellaProgramma + QStringLiteral("/testi");
}

QList<WordListFolder> perLaLettura() {
    return {{insegnante(), QDir::toNativeSeparators(insegnante() + u'/')},
            {programma(), QStringLiteral("testi/")}};
}

WordListReader lettore() {
    return WordListReader(perLaLettura());
}

QList<CartellaElenchi> perIlRapporto() {
    return {{QStringLiteral("elenchi dell'insegnante"), insegnante()},
            {QStringLiteral("elenchi del programma"), programma()}};
}

} // namespace vocario::CartelleElenchi
