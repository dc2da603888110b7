#include "dragmatchvariant.h"

#include "designs/design_form1.h"
#include "designs/design_form5.h"
#include "designs/design_form8.h"

namespace vocario {
namespace {

// The instruction line, the count captions and the counts lie on the window's
// own background.
FrameTraits tratti(int informazioniBlanks = 11) {
    return {.informazioniBlanks = informazioniBlanks,
            .whiteAfterWrong = {QStringLiteral("Label5"), QStringLiteral("Label1"),
                                QStringLiteral("Label2"), QStringLiteral("EtichettaEsatti"),
                                QStringLiteral("EtichettaErrati")}};
}

} // namespace

const DragMatchVariant& DragMatchVariant::form1() {
    static const DragMatchVariant variant{
        .traits = tratti(),
        .rows = kRigheForm1,
        .deal = Deal::DistinctRecords,
        .rightDrop = RightDrop::SameText,
        .join = Join::TargetThenDragged,
    };
    return variant;
}

const DragMatchVariant& DragMatchVariant::form5() {
    static const DragMatchVariant variant{
        .traits = tratti(),
        .rows = kRigheForm5,
        .deal = Deal::DistinctRecords,
        .rightDrop = RightDrop::SameText,
        .join = Join::TargetThenDragged,
    };
    return variant;
}

const DragMatchVariant& DragMatchVariant::form8() {
    static const DragMatchVariant variant{
        .traits = tratti(10),
        .rows = kRigheForm8,
        .deal = Deal::ConsecutiveBlock,
        .rightDrop = RightDrop::SameIndex,
        .join = Join::DraggedThenTarget,
    };
    return variant;
}

} // namespace vocario
