#include "dragmatchvariant.h"

#include "layouts/design_form1.h"
#include "layouts/design_form5.h"
#include "layouts/design_form8.h"

namespace vocario {

const DragMatchVariant& DragMatchVariant::form1() {
    static const DragMatchVariant variant{
        .rows = kRigheForm1,
        .deal = Deal::DistinctRecords,
        .rightDrop = RightDrop::SameText,
        .join = Join::TargetThenDragged,
    };
    return variant;
}

const DragMatchVariant& DragMatchVariant::form5() {
    static const DragMatchVariant variant{
        .rows = kRigheForm5,
        .deal = Deal::DistinctRecords,
        .rightDrop = RightDrop::SameText,
        .join = Join::TargetThenDragged,
    };
    return variant;
}

const DragMatchVariant& DragMatchVariant::form8() {
    static const DragMatchVariant variant{
        .traits = {.informazioniBlanks = 10},
        .rows = kRigheForm8,
        .deal = Deal::ConsecutiveBlock,
        .rightDrop = RightDrop::SameIndex,
        .join = Join::DraggedThenTarget,
    };
    return variant;
}

} // namespace vocario
