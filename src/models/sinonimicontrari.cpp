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
    indice_.azzera();
    return std::nullopt;
}

const ModelloSinonimiContrari::Turno&
ModelloSinonimiContrari::PreparaTurno(RandomGenerator& random, const ColoreDelTurno& colore) {
    if (colore)
        colore();
    int guidata = 0;
    if (scelta_) {
        if (indice_.vuoto()) {
            for (int r = 1; r <= NumeroParole; ++r)
                indice_.aggiungi({Parole1[size_t(r)] + QStringLiteral(" / ") + Parole3[size_t(r)]});
            for (int r = 1; r <= NumeroParole2; ++r)
                indice_.aggiungi({Parole2[size_t(r)] + QStringLiteral(" / ") + Parole4[size_t(r)]});
        }
        guidata = unitaGuidate(*scelta_, indice_, 1, random).value(0);
    }
    qint16 k = 0;
    if (guidata > 0) {
        Estratto = guidata <= NumeroParole ? kSinonimi : kContrari;
        k = qint16(guidata <= NumeroParole ? guidata : guidata - NumeroParole);
    } else {
        Estratto = qint16(random.wholeNumber(2));
        k = qint16(random.wholeNumber(Estratto == kSinonimi ? NumeroParole : NumeroParole2));
    }
    const bool sinonimi = Estratto == kSinonimi;
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
