#pragma once

#include "shell/frametraits.h"

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
    /// Pairs on show in one item: Label3(0..pairs-1) and Label4(0..pairs-1).
    int pairs;
    /// Top edge of row r, in twips: rowFirst + rowSpacing * r.
    int rowFirst;
    int rowSpacing;
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
