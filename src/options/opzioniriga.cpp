#include "opzioniriga.h"

#include <QCommandLineParser>

namespace vocario::OpzioniRiga {
namespace {

const QString kDimensione = QStringLiteral("dimensione");
const QString kDimensioni = QStringLiteral("normale, grande o schermo-intero");

// Each switch and the choice it makes.
struct Interruttore {
    QStringList nomi;
    const char* descrizione;
    std::optional<bool> ScelteOpzioni::*scelta;
    bool valore;
};

const std::vector<Interruttore>& interruttori() {
    static const std::vector<Interruttore> tutti = {
        {.nomi = {QStringLiteral("leggi")},
         .descrizione = "Legge ad alta voce parole, frasi, significati e bottoni.",
         .scelta = &ScelteOpzioni::leggiAdAltaVoce,
         .valore = true},
        {.nomi = {QStringLiteral("non-leggere")},
         .descrizione = "Non legge ad alta voce.",
         .scelta = &ScelteOpzioni::leggiAdAltaVoce,
         .valore = false},
        {.nomi = {QStringLiteral("alta-leggibilita"), QStringLiteral("alta-leggibilità")},
         .descrizione = "Parole, frasi e significati in caratteri ad alta leggibilità.",
         .scelta = &ScelteOpzioni::altaLeggibilita,
         .valore = true},
        {.nomi = {QStringLiteral("caratteri-normali")},
         .descrizione = "Parole, frasi e significati nei caratteri di sempre.",
         .scelta = &ScelteOpzioni::altaLeggibilita,
         .valore = false},
        {.nomi = {QStringLiteral("maiuscolo")},
         .descrizione = "Parole, frasi e significati in STAMPATO MAIUSCOLO.",
         .scelta = &ScelteOpzioni::maiuscolo,
         .valore = true},
        {.nomi = {QStringLiteral("minuscolo")},
         .descrizione = "Parole, frasi e significati come sono scritti negli elenchi.",
         .scelta = &ScelteOpzioni::maiuscolo,
         .valore = false},
    };
    return tutti;
}

} // namespace

QList<QCommandLineOption> tutte() {
    QList<QCommandLineOption> opzioni{QCommandLineOption(
        kDimensione,
        QStringLiteral("Dimensione delle finestre: %1. Le scelte della riga di comando valgono "
                       "per questa volta; quelle salvate in Opzioni restano.")
            .arg(kDimensioni),
        QStringLiteral("dimensione"))};
    for (const Interruttore& i : interruttori())
        opzioni << QCommandLineOption(i.nomi, QString::fromUtf8(i.descrizione));
    return opzioni;
}

void registra(QCommandLineParser& parser) {
    for (const QCommandLineOption& opzione : tutte())
        parser.addOption(opzione);
}

ScelteOpzioni leggi(const QCommandLineParser& parser, QStringList* errori) {
    ScelteOpzioni scelte;
    // In the order they were written, so that the later of two opposites wins.
    for (const QString& nome : parser.optionNames()) {
        for (const Interruttore& i : interruttori())
            if (i.nomi.contains(nome))
                scelte.*i.scelta = i.valore;
    }
    if (parser.isSet(kDimensione)) {
        const QString valore = parser.values(kDimensione).constLast();
        scelte.dimensione = dimensioneDalNome(valore);
        if (!scelte.dimensione && errori)
            errori->append(QStringLiteral("dimensione \"%1\" sconosciuta: si può scegliere %2.")
                               .arg(valore, kDimensioni));
    }
    return scelte;
}

QString valoriAmmessi(const QString& nome) {
    return nome == kDimensione ? kDimensioni : QString();
}

} // namespace vocario::OpzioniRiga
