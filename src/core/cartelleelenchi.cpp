#include "cartelleelenchi.h"

#include "appstate.h"
#include "registrazione.h"

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

QString classe(const AppState& stato) {
    return stato.registrazione ? stato.registrazione->cartellaElenchi() : QString();
}

QList<WordListFolder> perLaLettura(const AppState& stato) {
    QList<WordListFolder> cartelle = {
        {insegnante(stato), QDir::toNativeSeparators(insegnante(stato) + u'/')},
        {programma(stato), QStringLiteral("testi/")}};
    if (const QString dellaClasse = classe(stato); !dellaClasse.isEmpty())
        cartelle.prepend({dellaClasse, QStringLiteral("elenchi della classe: ")});
    return cartelle;
}

WordListReader lettoreElenchi(const AppState& stato) {
    return WordListReader(perLaLettura(stato));
}

QList<CartellaElenchi> perIlRapporto(const AppState& stato) {
    QList<CartellaElenchi> cartelle = {
        {QStringLiteral("elenchi dell'insegnante"), insegnante(stato)},
        {QStringLiteral("elenchi del programma"), programma(stato)}};
    if (const QString dellaClasse = classe(stato); !dellaClasse.isEmpty())
        cartelle.prepend({QStringLiteral("elenchi della classe"), dellaClasse});
    return cartelle;
}

} // namespace vocario::CartelleElenchi
