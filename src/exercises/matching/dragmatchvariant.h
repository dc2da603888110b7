#pragma once

#include "frame/frametraits.h"
#include "geometry/design.h"

namespace vocario {

/// What tells the three drag-and-match windows apart: antonym matching
/// (Form1), degree matching (Form5) and idiom matching (Form8).
struct DragMatchVariant {
    /// Different records drawn one by one, or a block of consecutive ones.
    enum class Deal { DistinctRecords, ConsecutiveBlock };
    /// A drop is right when the dragged word is the slot's field 1, or when
    /// the dragged label is the slot's own.
    enum class RightDrop { SameText, SameIndex };
    /// Order of the two texts in a matched drop label.
    enum class Join { TargetThenDragged, DraggedThenTarget };

    FrameTraits traits;
    /// The rows onto which the words Label3 are shuffled; one pair a row:
    /// Label3(0..count-1) and Label4(0..count-1).
    RowPlaces rows;
    Deal deal;
    RightDrop rightDrop;
    Join join;

    /// "abbina contrari"
    static const DragMatchVariant& form1();
    /// "abbina gradi"
    static const DragMatchVariant& form5();
    /// "parola corretta"
    static const DragMatchVariant& form8();
};

} // namespace vocario
