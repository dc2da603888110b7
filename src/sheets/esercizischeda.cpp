#include "esercizischeda.h"

#include "frame/accessibilita.h"
#include "frame/exerciseentry.h"

#include <array>
#include <cstring>

namespace vocario {
namespace {

using Forma = EsercizioScheda::Forma;

// The number of pairs in a group is what the exercise's window shows at once.
constexpr std::array<EsercizioScheda, 9> kEsercizi{{
    {.menuButton = "Command2",
     .forma = Forma::Abbina,
     .istruzione = "Collega con una linea ogni parola al suo contrario.",
     .gruppo = 9},
    {.menuButton = "Command3",
     .forma = Forma::Abbina,
     .istruzione = "Collega con una linea ogni parola al suo sinonimo.",
     .gruppo = 7},
    {.menuButton = "Command4",
     .forma = Forma::SinonimiContrari,
     .istruzione = "Le due parole sono sinonimi o contrari? Cerchia la risposta giusta."},
    {.menuButton = "Command5",
     .forma = Forma::Comprende,
     .istruzione = "In ogni riga cerchia la parola che comprende le altre tre."},
    {.menuButton = "Command6",
     .forma = Forma::Abbina,
     .istruzione = "Collega con una linea ogni parola a quella che dice la stessa cosa "
                   "con più intensità.",
     .gruppo = 9},
    {.menuButton = "Command7",
     .forma = Forma::Intrusa,
     .istruzione = "In ogni riga cancella la parola intrusa, quella che non c'entra con "
                   "le altre."},
    {.menuButton = "Command8",
     .forma = Forma::Gradi,
     .istruzione = "Scrivi le due parole nelle caselle: a sinistra la meno intensa, a destra "
                   "la più intensa."},
    {.menuButton = "Command9",
     .forma = Forma::Abbina,
     .istruzione = "Collega con una linea ogni modo di dire al suo significato.",
     .gruppo = 4,
     .blocco = 4},
    {.menuButton = "Command10",
     .forma = Forma::Significato,
     .istruzione = "Leggi la frase e segna con una crocetta che cosa vuol dire la parola "
                   "in neretto."},
}};

} // namespace

QString EsercizioScheda::didascalia() const {
    return Accessibilita::didascaliaMenu(menuButton);
}

const EsercizioScheda* esercizioScheda(const ExerciseEntry& entry) {
    for (const EsercizioScheda& esercizio : kEsercizi)
        if (std::strcmp(esercizio.menuButton, entry.menuButton) == 0)
            return &esercizio;
    return nullptr;
}

} // namespace vocario
