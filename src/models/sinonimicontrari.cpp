#include "sinonimicontrari.h"

#include "core/randomgenerator.h"
#include "wordlists/wordlistfiles.h"

namespace vocario {

ModelloSinonimiContrari::ModelloSinonimiContrari(QString sinonimi, QString contrari, int maxRecords)
    : sinonimi_(std::move(sinonimi)), contrari_(std::move(contrari)), maxRecords_(maxRecords) {}

std::optional<QString> ModelloSinonimiContrari::leggi(const WordListReader& reader,
                                                      const ControlloElenco& controllo) {
    WordColumn parole1 = Parole1;
    WordColumn parole3 = Parole3;
    WordColumn parole2 = Parole2;
    WordColumn parole4 = Parole4;
    qint16 numeroSinonimi = 0;
    qint16 numeroContrari = 0;
    const WordListResult sinonimi =
        leggiDueCampi(reader, sinonimi_, parole1, parole3, numeroSinonimi, maxRecords_);
    if (!sinonimi.ok)
        return sinonimi.error;
    if (std::optional<QString> corto = controllo ? controllo(numeroSinonimi, 0) : std::nullopt)
        return corto;
    const WordListResult contrari =
        leggiDueCampi(reader, contrari_, parole2, parole4, numeroContrari, maxRecords_);
    if (!contrari.ok)
        return contrari.error;
    if (std::optional<QString> corto = controllo ? controllo(numeroContrari, 1) : std::nullopt)
        return corto;
    Parole1 = std::move(parole1);
    Parole3 = std::move(parole3);
    NumeroParole = numeroSinonimi;
    Parole2 = std::move(parole2);
    Parole4 = std::move(parole4);
    NumeroParole2 = numeroContrari;
    return std::nullopt;
}

const ModelloSinonimiContrari::Turno&
ModelloSinonimiContrari::PreparaTurno(RandomGenerator& random, const ColoreDelTurno& colore) {
    if (colore)
        colore();
    Estratto = qint16(random.wholeNumber(2));
    const bool sinonimi = Estratto == kSinonimi;
    const qint16 k = qint16(random.wholeNumber(sinonimi ? NumeroParole : NumeroParole2));
    const QString& primo = sinonimi ? Parole1[size_t(k)] : Parole2[size_t(k)];
    const QString& secondo = sinonimi ? Parole3[size_t(k)] : Parole4[size_t(k)];
    turno_ = {.voce = {.elenco = sinonimi ? sinonimi_ : contrari_,
                       .record = k,
                       .testi = {primo, secondo}},
              .giusta = Estratto};
    return turno_;
}

Verdetto ModelloSinonimiContrari::giudica(qint16 scelta) const {
    const bool esatta = scelta == turno_.giusta;
    return {.esatta = esatta,
            .voce = turno_.voce,
            .dato = scelta == kSinonimi ? QStringLiteral("sinonimi") : QStringLiteral("contrari"),
            .turnoFinito = esatta};
}

} // namespace vocario
