#include "abbinamento.h"

#include "core/randomgenerator.h"
#include "posti.h"
#include "wordlists/wordlistfiles.h"

#include <span>

namespace vocario {

ModelloAbbina::ModelloAbbina(RegoleAbbina regole) : regole_(std::move(regole)) {
    Q_ASSERT(regole_.coppie <= kMaxCoppie);
}

std::optional<QString> ModelloAbbina::leggi(const WordListReader& reader,
                                            const ControlloElenco& controllo) {
    const WordListResult result = leggiDueCampi(reader, regole_.elenco, Parole1, Parole2,
                                                NumeroParole, regole_.maxRecords, regole_.blocco);
    indice_.azzera();
    if (!result.ok)
        return result.error;
    return controllo ? controllo(NumeroParole, 0) : std::nullopt;
}

qint16 ModelloAbbina::recordDellaCoppia(int k) const {
    if (regole_.estrazione == RegoleAbbina::Estrazione::Blocco)
        return qint16(Estratto + k);
    return ParoleScelte[size_t(k)];
}

void ModelloAbbina::estraiParole(RandomGenerator& random) {
    if (regole_.estrazione == RegoleAbbina::Estrazione::Blocco) {
        // The blocks are 1..4, 5..8, 9..12 and so on, every record in one;
        // the reader takes only lists of whole blocks.
        const int block = random.floorTimes(double(NumeroParole) / regole_.coppie);
        Estratto = qint16(regole_.coppie * block + 1);
        return;
    }
    random.differentWholeNumbers(std::span(ParoleScelte).first(size_t(regole_.coppie)),
                                 NumeroParole);
}

void ModelloAbbina::estraiDalRipasso(RandomGenerator& random) {
    const bool blocchi = regole_.estrazione == RegoleAbbina::Estrazione::Blocco;
    const int perUnita = blocchi ? regole_.coppie : 1;
    if (indice_.vuoto())
        for (int primo = 1; primo + perUnita - 1 <= NumeroParole; primo += perUnita) {
            QStringList testi;
            for (int r = primo; r < primo + perUnita; ++r)
                testi.append(Parole1[size_t(r)] + QStringLiteral(" / ") + Parole2[size_t(r)]);
            indice_.aggiungi(testi);
        }
    QList<int> scelte = unitaGuidate(*scelta_, indice_, blocchi ? 1 : regole_.coppie, random);
    if (blocchi) {
        if (scelte.isEmpty())
            return estraiParole(random);
        Estratto = qint16(regole_.coppie * (scelte[0] - 1) + 1);
        return;
    }
    completaACaso(scelte, regole_.coppie, NumeroParole, random);
    for (int k = 0; k < regole_.coppie; ++k)
        ParoleScelte[size_t(k)] = qint16(scelte[k]);
}

const ModelloAbbina::Turno& ModelloAbbina::PreparaTurno(RandomGenerator& random,
                                                        const ColoreDelTurno& colore) {
    if (colore && !regole_.coloreDopoLeParole)
        colore();
    CoppieFatte = 0;
    if (scelta_)
        estraiDalRipasso(random);
    else
        estraiParole(random);
    if (colore && regole_.coloreDopoLeParole)
        colore();
    turno_.coppie.clear();
    for (int k = 0; k < regole_.coppie; ++k) {
        const qint16 record = recordDellaCoppia(k);
        const QString& primo = Parole1[size_t(record)];
        const QString& secondo = Parole2[size_t(record)];
        turno_.coppie.append(
            {.voce = {.elenco = regole_.elenco, .record = record, .testi = {primo, secondo}},
             .parola = regole_.trascinaIlSecondo ? secondo : primo,
             .posto = regole_.trascinaIlSecondo ? primo : secondo});
    }
    turno_.righe = ScombiccheraPosti(regole_.coppie, random);
    posate_ = QList<bool>(regole_.coppie, false);
    return turno_;
}

bool ModelloAbbina::giusta(int parola, int posto) const {
    if (regole_.giusta == RegoleAbbina::Giusta::StessoRecord)
        return parola == posto;
    // The words as the list has them.
    return Parole1[size_t(recordDellaCoppia(parola))] == Parole1[size_t(recordDellaCoppia(posto))];
}

std::optional<Verdetto> ModelloAbbina::giudica(int parola, int posto) {
    if (parola < 0 || parola >= posate_.size() || posto < 0 || posto >= posate_.size() ||
        posate_[parola] || CoppieFatte == regole_.coppie)
        return std::nullopt;
    Verdetto verdetto{.esatta = giusta(parola, posto),
                      .voce = turno_.coppie[parola].voce,
                      .dato = turno_.coppie[posto].posto};
    if (verdetto.esatta) {
        posate_[parola] = true;
        verdetto.turnoFinito = ++CoppieFatte == regole_.coppie;
    }
    return verdetto;
}

} // namespace vocario
