#include "scala.h"

#include "core/randomgenerator.h"
#include "wordlists/wordlistfiles.h"

namespace vocario {

const std::array<QString, ModelloGradi::kParole>& ModelloGradi::nomiDeiPosti() {
    static const std::array<QString, kParole> nomi{QStringLiteral("meno intenso"),
                                                   QStringLiteral("più intenso")};
    return nomi;
}

ModelloGradi::ModelloGradi(QString elenco, int maxRecords)
    : elenco_(std::move(elenco)), maxRecords_(maxRecords) {}

std::optional<QString> ModelloGradi::leggi(const WordListReader& reader,
                                           const ControlloElenco& controllo) {
    const WordListResult result =
        leggiDueCampi(reader, elenco_, Parole1, Parole2, NumeroParole, maxRecords_);
    indice_.azzera();
    if (!result.ok)
        return result.error;
    return controllo ? controllo(NumeroParole, 0) : std::nullopt;
}

const ModelloGradi::Turno& ModelloGradi::PreparaTurno(RandomGenerator& random,
                                                      const ColoreDelTurno& colore) {
    CoppieFatte = 0;
    if (colore)
        colore();
    Estratto = 0;
    if (scelta_) {
        if (indice_.vuoto())
            for (int r = 1; r <= NumeroParole; ++r)
                indice_.aggiungi({Parole1[size_t(r)] + QStringLiteral(" / ") + Parole2[size_t(r)]});
        Estratto = qint16(unitaGuidate(*scelta_, indice_, 1, random).value(0));
    }
    if (Estratto == 0)
        Estratto = qint16(random.wholeNumber(NumeroParole));
    const QString& meno = Parole1[size_t(Estratto)];
    const QString& piu = Parole2[size_t(Estratto)];
    turno_.voce = {.elenco = elenco_, .record = Estratto, .testi = {meno, piu}};
    turno_.parole = {meno, piu};
    // Estratto keeps the record; the side is a draw of this deal alone.
    turno_.menoASinistra = random.wholeNumber(2) == 1;
    posate_ = {};
    return turno_;
}

std::optional<Verdetto> ModelloGradi::giudica(int parola, int posto) {
    if (parola < 0 || parola >= kParole || posto < 0 || posto >= kParole ||
        posate_[size_t(parola)] || CoppieFatte == kParole)
        return std::nullopt;
    Verdetto verdetto{.esatta = giusta(parola, posto),
                      .voce = turno_.voce,
                      .dato = nomiDeiPosti()[size_t(posto)]};
    if (verdetto.esatta) {
        posate_[size_t(parola)] = true;
        // An item counts once, when its second word is in place.
        verdetto.turnoFinito = ++CoppieFatte == kParole;
        verdetto.conta = verdetto.turnoFinito;
    }
    return verdetto;
}

} // namespace vocario
