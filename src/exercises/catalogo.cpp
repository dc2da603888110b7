#include "catalogo.h"

#include "designs/design_form1.h"
#include "designs/design_form2.h"
#include "designs/design_form3.h"
#include "designs/design_form4.h"
#include "designs/design_form5.h"
#include "designs/design_form6.h"
#include "designs/design_form7.h"
#include "designs/design_form8.h"
#include "designs/design_form9.h"
#include "exercises/choice/form3sinonimicontrari.h"
#include "exercises/choice/form9vocario.h"
#include "exercises/click/clicktileswindow.h"
#include "exercises/matching/dragmatchwindow.h"
#include "exercises/matching/form2sinonimi.h"
#include "exercises/matching/form7gradi.h"
#include "wordlists/wordlistfiles.h"

namespace vocario {
namespace {

// A window that takes only the state and its row.
template <typename Window> ExerciseWindow* crea(AppState& stato, const ExerciseEntry& entry) {
    return new Window(stato, entry);
}

// A window that is one of several twins, told apart by its variant.
template <typename Window, auto variante>
ExerciseWindow* creaGemello(AppState& stato, const ExerciseEntry& entry) {
    return new Window(stato, entry, variante());
}

} // namespace

const Catalogo& catalogoEsercizi() {
    static const Catalogo catalogo = {
        {.nome = "abbina-contrari",
         .menuButton = "Command2", // abbina contrari
         .design = designForm1,
         .lists = {{.file = WordListFile::Contrari,
                    .minRecords = kRigheForm1.count,
                    .maxRecords = kMaxParole}},
         .create = creaGemello<DragMatchWindow, DragMatchVariant::form1>},
        {.nome = "abbina-sinonimi",
         .menuButton = "Command3", // abbina sinonimi
         .design = designForm2,
         .lists = {{.file = WordListFile::Sinonimi,
                    .minRecords = kRigheForm2.count,
                    .maxRecords = Form2Sinonimi::kMaxSinonimi}},
         .create = crea<Form2Sinonimi>},
        {.nome = "sinonimi-contrari",
         .menuButton = "Command4", // sinonimi contrari
         .design = designForm3,
         .lists = {{.file = WordListFile::Sinonimi, .minRecords = 1, .maxRecords = kMaxParole},
                   {.file = WordListFile::Contrari, .minRecords = 1, .maxRecords = kMaxParole}},
         .create = crea<Form3SinonimiContrari>},
        {.nome = "parola-che-comprende-le-altre",
         .menuButton = "Command5", // parola che comprende le altre
         .design = designForm4,
         .lists = {{.file = WordListFile::Aree1,
                    .minRecords = 1,
                    .maxRecords = kVociDi<TabellaAree>}},
         .create = creaGemello<ClickTilesWindow, varianteForm4>},
        {.nome = "abbina-gradi",
         .menuButton = "Command6", // abbina gradi
         .design = designForm5,
         .lists = {{.file = WordListFile::Gradi,
                    .minRecords = kRigheForm5.count,
                    .maxRecords = kMaxParole}},
         .create = creaGemello<DragMatchWindow, DragMatchVariant::form5>},
        {.nome = "parola-intrusa",
         .menuButton = "Command7", // parola intrusa: the intruder comes from another group
         .design = designForm6,
         // Two groups at least: the intruder comes from another.
         .lists = {{.file = WordListFile::Aree2,
                    .minRecords = 2,
                    .maxRecords = kVociDi<TabellaAree>}},
         .create = creaGemello<ClickTilesWindow, varianteForm6>},
        {.nome = "gradi",
         .menuButton = "Command8", // gradi
         .design = designForm7,
         .lists = {{.file = WordListFile::Gradi, .minRecords = 1, .maxRecords = kMaxParole}},
         .create = crea<Form7Gradi>},
        {.nome = "parola-corretta",
         .menuButton = "Command9", // parola corretta
         .design = designForm8,
         .lists = {{.file = WordListFile::ModiDiDire,
                    .minRecords = kRigheForm8.count,
                    .maxRecords = kMaxParole,
                    .block = kRigheForm8.count}},
         .create = creaGemello<DragMatchWindow, DragMatchVariant::form8>},
        {.nome = "vocario",
         .menuButton = "Command10", // vocario
         .design = designForm9,
         .lists = {{.file = WordListFile::Vocario,
                    .minRecords = 1,
                    .maxRecords = kVociDi<ModelloVocario::Tabella>}},
         .create = crea<Form9Vocario>},
    };
    return catalogo;
}

} // namespace vocario
