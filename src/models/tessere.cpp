#include "tessere.h"

#include "core/randomgenerator.h"
#include "posti.h"
#include "sceltavoci.h"
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
    indice_.azzera();
    posti_.clear();
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

void ModelloTessere::preparaIndice() {
    const QString tra = QStringLiteral(" / ");
    for (int row = 1; row <= numeroVoci_; ++row) {
        const auto& t = tabella_[row];
        if (regola_ == Regola::Comprende) {
            indice_.aggiungi({t[0] + tra + t[1] + tra + t[2] + tra + t[3]});
            continue;
        }
        indice_.aggiungi({t[1] + tra + t[2] + tra + t[3]});
        for (int column = 1; column <= 3; ++column)
            if (!posti_.contains(t[column]))
                posti_.insert(t[column], row * kTessere + column);
    }
}

// The item the register names by its texts, when this list can deal it.
bool ModelloTessere::estraiVoce(const QString& testo) {
    const auto& t = tabella_;
    if (regola_ == Regola::Comprende) {
        const int row = indice_.unita(testo);
        if (row == 0)
            return false;
        turno_.voce.record = qint16(row);
        turno_.testi = {t[row][0], t[row][1], t[row][2], t[row][3]};
        return true;
    }
    // "intruder / group's three words": the intruder from another group.
    const qsizetype dopo = testo.indexOf(QStringLiteral(" / "));
    if (dopo < 0)
        return false;
    const int groupRow = indice_.unita(testo.mid(dopo + 3));
    const int posto = posti_.value(testo.left(dopo));
    if (groupRow == 0 || posto == 0 || posto / kTessere == groupRow)
        return false;
    turno_.voce.record = qint16(groupRow);
    turno_.testi = {t[posto / kTessere][posto % kTessere], t[groupRow][1], t[groupRow][2],
                    t[groupRow][3]};
    return true;
}

// Due items first, then new ones, then items ahead; false leaves the
// usual draw. An intruder's item is as many as its intruders: the new ones
// are the usual draw's.
bool ModelloTessere::estraiDalRipasso(RandomGenerator& random) {
    if (indice_.vuoto())
        preparaIndice();
    if (regola_ == Regola::Comprende) {
        const int row = unitaGuidate(*scelta_, indice_, 1, random).value(0);
        return row > 0 && estraiVoce(indice_.testi(row)[0]);
    }
    const RichiestaRipasso richiesta = scelta_->richiesta(1);
    for (const QString& testo : richiesta.dovute)
        if (estraiVoce(testo))
            return true;
    if (richiesta.nuove > 0)
        return false;
    for (const QString& testo : richiesta.avanti)
        if (estraiVoce(testo))
            return true;
    return false;
}

const ModelloTessere::Turno& ModelloTessere::PreparaTurno(RandomGenerator& random,
                                                          const ColoreDelTurno& colore) {
    if (colore)
        colore();
    if (!scelta_ || !estraiDalRipasso(random))
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
