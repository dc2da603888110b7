#include "dragmatchvariant.h"

#include "layouts/design_form1.h"
#include "layouts/design_form5.h"
#include "layouts/design_form8.h"
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
    // A list shorter than a block still deals: the slots past its end show
    // whatever the tables hold there. Only an empty list has nothing to show.
    static const DragMatchVariant variant{designForm8,
                                          traits,
                                          WordListFile::ModiDiDire,
                                          4,
                                          420,
                                          1200,
                                          Deal::ConsecutiveBlock,
                                          RightDrop::SameIndex,
                                          Join::DraggedThenTarget,
                                          1};
    return variant;
}

} // namespace vocario
