#include "vocariomodello.h"

#include "core/randomgenerator.h"
#include "posti.h"
#include "wordlists/wordlistfiles.h"

namespace vocario {
namespace {

constexpr int kCampiPerVoce = 5;

} // namespace

ModelloVocario::ModelloVocario(QString elenco) : elenco_(std::move(elenco)) {}

std::optional<QString> ModelloVocario::leggi(const WordListReader& reader,
                                             const ControlloElenco& controllo) {
    qint16 numero = 0;
    Tabella tabella;
    const WordListResult result = leggiTabella(reader, elenco_, kCampiPerVoce, 1, tabella, numero);
    if (!result.ok)
        return result.error;
    if (std::optional<QString> corto = controllo ? controllo(numero, 0) : std::nullopt)
        return corto;
    TabellaVocario = std::move(tabella);
    numeroVoci_ = numero;
    indice_.azzera();
    return std::nullopt;
}

const ModelloVocario::Turno& ModelloVocario::PreparaTurno(RandomGenerator& random,
                                                          const ColoreDelTurno& colore) {
    if (colore)
        colore();
    qint16 riga = 0;
    if (scelta_) {
        if (indice_.vuoto())
            for (int r = 1; r <= numeroVoci_; ++r)
                indice_.aggiungi({TabellaVocario[size_t(r)][2] + QStringLiteral(" / ") +
                                  TabellaVocario[size_t(r)][3]});
        riga = qint16(unitaGuidate(*scelta_, indice_, 1, random).value(0));
    }
    if (riga == 0)
        riga = qint16(random.wholeNumber(numeroVoci_));
    const auto& voce = TabellaVocario[size_t(riga)];
    turno_.righe = ScombiccheraPosti(kSignificati, random);
    turno_.voce = {.elenco = elenco_, .record = riga, .testi = {voce[2], voce[3]}};
    turno_.frase = voce[1];
    turno_.parola = voce[2];
    turno_.significati = {voce[3], voce[4], voce[5]};
    return turno_;
}

Verdetto ModelloVocario::giudica(int significato) const {
    const bool esatta = significato == 0;
    return {.esatta = esatta,
            .voce = turno_.voce,
            .dato = turno_.significati.value(significato),
            .turnoFinito = esatta};
}

} // namespace vocario
