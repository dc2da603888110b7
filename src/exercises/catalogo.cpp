#include "catalogo.h"

#include "choice/form3sinonimicontrari.h"
#include "choice/form9vocario.h"
#include "click/clicktileswindow.h"
#include "matching/dragmatchwindow.h"
#include "matching/form2sinonimi.h"
#include "matching/form7gradi.h"

namespace vocario {

std::array<ExerciseFactory, 9> catalogoEsercizi() {
    return {
        /* Form1 abbina contrari */ [] { return new DragMatchWindow(DragMatchVariant::form1()); },
        /* Form2 abbina sinonimi */ [] { return new Form2Sinonimi; },
        /* Form3 sinonimi contrari */ [] { return new Form3SinonimiContrari; },
        /* Form4 parola che comprende le altre */
        [] { return new ClickTilesWindow(varianteForm4()); },
        /* Form5 abbina gradi */ [] { return new DragMatchWindow(DragMatchVariant::form5()); },
        /* Form6 parola intrusa */ [] { return new ClickTilesWindow(varianteForm6()); },
        /* Form7 gradi */ [] { return new Form7Gradi; },
        /* Form8 parola corretta */ [] { return new DragMatchWindow(DragMatchVariant::form8()); },
        /* Form9 vocario */ [] { return new Form9Vocario; },
    };
}

} // namespace vocario
