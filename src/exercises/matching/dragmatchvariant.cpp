#include "dragmatchvariant.h"

namespace vocario {

const DragMatchVariant& DragMatchVariant::form1() {
    static const DragMatchVariant variant{
        .pairs = 9,
        .rowFirst = 420,
        .rowSpacing = 630,
        .deal = Deal::DistinctRecords,
        .rightDrop = RightDrop::SameText,
        .join = Join::TargetThenDragged,
    };
    return variant;
}

const DragMatchVariant& DragMatchVariant::form5() {
    static const DragMatchVariant variant{
        .pairs = 9,
        .rowFirst = 420,
        .rowSpacing = 630,
        .deal = Deal::DistinctRecords,
        .rightDrop = RightDrop::SameText,
        .join = Join::TargetThenDragged,
    };
    return variant;
}

const DragMatchVariant& DragMatchVariant::form8() {
    static const DragMatchVariant variant{
        .traits = {.informazioniBlanks = 10},
        .pairs = 4,
        .rowFirst = 420,
        .rowSpacing = 1200,
        .deal = Deal::ConsecutiveBlock,
        .rightDrop = RightDrop::SameIndex,
        .join = Join::DraggedThenTarget,
    };
    return variant;
}

} // namespace vocario
