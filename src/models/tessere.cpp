#include "tessere.h"

#include "core/randomgenerator.h"
#include "posti.h"
#include "wordlists/wordlistfiles.h"

namespace vocario {

ModelloTessere::ModelloTessere(QString elenco, Regola regola)
    : elenco_(std::move(elenco)), regola_(regola) {}

std::optional<QString> ModelloTessere::leggi(const WordListReader& reader,
                                             const ControlloElenco& controllo) {
    // aree1.txt fills columns 0..3, aree2.txt (three words a group) 1..3.
    const bool comprende = regola_ == Regola::Comprende;
    const WordListResult result =
        leggiTabella(reader, elenco_, comprende ? 4 : 3, comprende ? 0 : 1, tabella_, numeroVoci_);
    if (!result.ok)
        return result.error;
    return controllo ? controllo(numeroVoci_, 0) : std::nullopt;
}

void ModelloTessere::estrai(RandomGenerator& random) {
    const auto& t = tabella_;
    if (regola_ == Regola::Comprende) {
        const auto row = qint16(random.wholeNumber(numeroVoci_));
        turno_.voce.record = row;
        turno_.testi = {t[row][0], t[row][1], t[row][2], t[row][3]};
        return;
    }
    // The caller guarantees two groups at least, so the redraw ends.
    const int intruderRow = random.wholeNumber(numeroVoci_);
    int groupRow = random.wholeNumber(numeroVoci_);
    while (groupRow == intruderRow)
        groupRow = random.wholeNumber(numeroVoci_);
    const int intruderColumn = random.wholeNumber(3);
    turno_.voce.record = qint16(groupRow);
    turno_.testi = {t[intruderRow][intruderColumn], t[groupRow][1], t[groupRow][2], t[groupRow][3]};
}

const ModelloTessere::Turno& ModelloTessere::PreparaTurno(RandomGenerator& random,
                                                          const ColoreDelTurno& colore) {
    if (colore)
        colore();
    estrai(random);
    turno_.voce.elenco = elenco_;
    turno_.voce.testi = QStringList(turno_.testi.begin(), turno_.testi.end());
    turno_.righe = ScombiccheraPosti(kTessere, random);
    return turno_;
}

Verdetto ModelloTessere::giudica(int tessera) const {
    const bool esatta = tessera == 0;
    return {.esatta = esatta,
            .voce = turno_.voce,
            .dato = tessera >= 0 && tessera < kTessere ? turno_.testi[size_t(tessera)] : QString(),
            .turnoFinito = esatta};
}

} // namespace vocario
