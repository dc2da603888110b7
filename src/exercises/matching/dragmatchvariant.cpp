#include "dragmatchvariant.h"

#include "designs/design_form1.h"
#include "designs/design_form5.h"
#include "designs/design_form8.h"

namespace vocario {
namespace {

FrameTraits tratti(int informazioniBlanks = 11) {
    return {.informazioniBlanks = informazioniBlanks};
}

} // namespace

const DragMatchVariant& DragMatchVariant::form1() {
    static const DragMatchVariant variant{
        .traits = tratti(),
        .rows = kRigheForm1,
        .estrazione = RegoleAbbina::Estrazione::RecordDiversi,
        .giusta = RegoleAbbina::Giusta::StessoTesto,
        .join = Join::TargetThenDragged,
    };
    return variant;
}

const DragMatchVariant& DragMatchVariant::form5() {
    static const DragMatchVariant variant{
        .traits = tratti(),
        .rows = kRigheForm5,
        .estrazione = RegoleAbbina::Estrazione::RecordDiversi,
        .giusta = RegoleAbbina::Giusta::StessoTesto,
        .join = Join::TargetThenDragged,
    };
    return variant;
}

const DragMatchVariant& DragMatchVariant::form8() {
    static const DragMatchVariant variant{
        .traits = tratti(10),
        .rows = kRigheForm8,
        .estrazione = RegoleAbbina::Estrazione::Blocco,
        .giusta = RegoleAbbina::Giusta::StessoRecord,
        .join = Join::DraggedThenTarget,
    };
    return variant;
}

} // namespace vocario
