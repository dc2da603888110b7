#include "dragmatchvariant.h"

#include "layouts/designs.h"
#include "wordlists/wordlistfiles.h"

namespace vocario {

const DragMatchVariant& DragMatchVariant::form1() {
    static const DragMatchVariant variant{
        designForm1,           FrameTraits{},       WordListFile::Contrari,  9, 420, 630,
        Deal::DistinctRecords, RightDrop::SameText, Join::TargetThenDragged, 9};
    return variant;
}

const DragMatchVariant& DragMatchVariant::form5() {
    static const DragMatchVariant variant{
        designForm5,           FrameTraits{},       WordListFile::Gradi,     9, 420, 630,
        Deal::DistinctRecords, RightDrop::SameText, Join::TargetThenDragged, 9};
    return variant;
}

const DragMatchVariant& DragMatchVariant::form8() {
    FrameTraits traits;
    traits.informazioniBlanks = 10;
    // One whole block at least; the reader refuses a list of broken blocks,
    // whose last slots would show words of other lists.
    static const DragMatchVariant variant{designForm8,
                                          traits,
                                          WordListFile::ModiDiDire,
                                          4,
                                          420,
                                          1200,
                                          Deal::ConsecutiveBlock,
                                          RightDrop::SameIndex,
                                          Join::DraggedThenTarget,
                                          4};
    return variant;
}

} // namespace vocario
