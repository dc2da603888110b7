#include "opzionisalvate.h"

#include <QSettings>

namespace vocario::OpzioniSalvate {
namespace {

constexpr char kDimensione[] = "opzioni/dimensione";
constexpr char kLeggi[] = "opzioni/leggiAdAltaVoce";
constexpr char kLeggibilita[] = "opzioni/altaLeggibilita";
constexpr char kMaiuscolo[] = "opzioni/maiuscolo";

QSettings impostazioni() {
    return QSettings(QStringLiteral("vocario"), QStringLiteral("vocario"));
}

// Only the two words Qt writes count: a hand-written "forse" is no choice.
bool sceltaSiNo(const QSettings& s, const char* chiave, bool predefinita) {
    const QString valore = s.value(QLatin1String(chiave)).toString().trimmed().toLower();
    if (valore == u"true")
        return true;
    if (valore == u"false")
        return false;
    return predefinita;
}

} // namespace

Opzioni carica() {
    const QSettings s = impostazioni();
    const Opzioni predefinite;
    if (s.status() != QSettings::NoError)
        return predefinite;
    Opzioni opzioni;
    opzioni.dimensione = dimensioneDalNome(s.value(QLatin1String(kDimensione)).toString())
                             .value_or(predefinite.dimensione);
    opzioni.leggiAdAltaVoce = sceltaSiNo(s, kLeggi, predefinite.leggiAdAltaVoce);
    opzioni.altaLeggibilita = sceltaSiNo(s, kLeggibilita, predefinite.altaLeggibilita);
    opzioni.maiuscolo = sceltaSiNo(s, kMaiuscolo, predefinite.maiuscolo);
    return opzioni;
}

bool salva(const Opzioni& opzioni) {
    QSettings s = impostazioni();
    s.setValue(QLatin1String(kDimensione), nomeDimensione(opzioni.dimensione));
    s.setValue(QLatin1String(kLeggi), opzioni.leggiAdAltaVoce);
    s.setValue(QLatin1String(kLeggibilita), opzioni.altaLeggibilita);
    s.setValue(QLatin1String(kMaiuscolo), opzioni.maiuscolo);
    s.sync();
    return s.status() == QSettings::NoError;
}

} // namespace vocario::OpzioniSalvate
