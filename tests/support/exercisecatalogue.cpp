#include "exercisecatalogue.h"

#include "exercises/catalogo.h"
#include "geometry/design.h"

#include <cstring>

namespace vocario::testing {
namespace {

const ExerciseEntry& row(int numero) {
    return catalogoEsercizi().at(size_t(numero - 1));
}

} // namespace

int exerciseCount() {
    return int(catalogoEsercizi().size());
}

QString exerciseWindowName(int numero) {
    return QLatin1String(row(numero).design().name);
}

QString exerciseMenuButton(int numero) {
    return QLatin1String(row(numero).menuButton);
}

int draggedWords(int numero) {
    for (const ControlDesign& control : row(numero).design().controls)
        if (std::strcmp(control.name, "Label3") == 0 && (control.look & Draggable))
            return control.count;
    return 0;
}

} // namespace vocario::testing
