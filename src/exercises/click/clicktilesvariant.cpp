#include "clicktilesvariant.h"

#include "designs/design_form4.h"
#include "designs/design_form6.h"

namespace vocario {

const ClickTilesVariant& varianteForm4() {
    static const ClickTilesVariant variant{
        .rows = kRigheForm4,
        .regola = ModelloTessere::Regola::Comprende,
    };
    return variant;
}

const ClickTilesVariant& varianteForm6() {
    static const ClickTilesVariant variant{
        .rows = kRigheForm6,
        .regola = ModelloTessere::Regola::Intrusa,
    };
    return variant;
}

} // namespace vocario
