#include "schedeelenchi.h"

#include "wordlists/nomielenchi.h"

namespace vocario {
namespace {

// The room of each column is that of its narrowest control at its smallest
// size (a label 6 points, a text box or a button 9), measured with the
// program's fonts and less a sixth for wide letters and capitals:
// Form1/Form5 words 2 lines of 36 characters, their partners 2 of 47; Form2
// 4 of 36 and 4 of 56; Form7 4 of 40; Form8 5 of 36 and 5 of 47; the tiles
// of Form4 and Form6 5 of 68; Form9's sentence 3 of 70, its word 2 of 90
// (after it comes "   vuol dire"), its answer buttons 2 of 63.
ColonnaElenco parola(const char* nome, int righe, int caratteri) {
    return {.nome = QString::fromUtf8(nome),
            .senzaDoppioni = true,
            .righe = righe,
            .caratteriPerRiga = caratteri};
}

ColonnaElenco tessera(const char* nome) {
    return {.nome = QString::fromUtf8(nome), .righe = 5, .caratteriPerRiga = 68};
}

ColonnaElenco testo(const char* nome, int righe, int caratteri) {
    return {.nome = QString::fromUtf8(nome), .righe = righe, .caratteriPerRiga = caratteri};
}

} // namespace

const std::vector<SchedaElenco>& schedeElenchi() {
    static const std::vector<SchedaElenco> schede{
        {.file = WordListFile::Contrari,
         .colonne = {parola("la parola", 2, 36), parola("la sua contraria", 2, 47)}},
        {.file = WordListFile::Sinonimi,
         .colonne = {parola("la parola", 4, 56), parola("il suo sinonimo", 4, 36)}},
        {.file = WordListFile::Gradi,
         .colonne = {parola("la parola meno intensa", 2, 36),
                     parola("la parola più intensa", 2, 40)}},
        {.file = WordListFile::ModiDiDire,
         .colonne = {parola("il modo di dire", 5, 36), parola("il suo significato", 5, 47)}},
        {.file = WordListFile::Aree1,
         .colonne = {tessera("la parola che comprende le altre"),
                     tessera("la prima parola compresa"), tessera("la seconda parola compresa"),
                     tessera("la terza parola compresa")},
         .primaScelta = 0},
        {.file = WordListFile::Aree2,
         .colonne = {tessera("la prima parola del gruppo"), tessera("la seconda parola del gruppo"),
                     tessera("la terza parola del gruppo")},
         .primaScelta = 0,
         .gruppiSeparati = true},
        {.file = WordListFile::Vocario,
         .colonne = {testo("la frase", 3, 70), testo("la parola", 2, 90),
                     testo("il significato giusto", 2, 63),
                     testo("il primo significato sbagliato", 2, 63),
                     testo("il secondo significato sbagliato", 2, 63)},
         .primaScelta = 2,
         .sceltaGiustaNonPiuLunga = true},
    };
    return schede;
}

const SchedaElenco* schedaElenco(const QString& file) {
    for (const SchedaElenco& scheda : schedeElenchi())
        if (scheda.file == file)
            return &scheda;
    return nullptr;
}

} // namespace vocario
