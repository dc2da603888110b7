#include "catalogo.h"

namespace vocario {

std::array<ExerciseFactory, 9> catalogoEsercizi() {
    return {
        /* Form1 abbina contrari */ nullptr,
        /* Form2 abbina sinonimi */ nullptr,
        /* Form3 sinonimi contrari */ nullptr,
        /* Form4 parola che comprende le altre */ nullptr,
        /* Form5 abbina gradi */ nullptr,
        /* Form6 parola intrusa */ nullptr,
        /* Form7 gradi */ nullptr,
        /* Form8 parola corretta */ nullptr,
        /* Form9 vocario */ nullptr,
    };
}

} // namespace vocario
