#pragma once

#include "frame/frametraits.h"
#include "geometry/design.h"
#include "models/abbinamento.h"

namespace vocario {

/// What tells the three drag-and-match windows apart: antonym matching
/// (Form1), degree matching (Form5) and idiom matching (Form8).
struct DragMatchVariant {
    /// Order of the two texts in a matched drop label.
    enum class Join { TargetThenDragged, DraggedThenTarget };

    FrameTraits traits;
    /// The rows onto which the words Label3 are shuffled; one pair a row:
    /// Label3(0..count-1) and Label4(0..count-1).
    RowPlaces rows;
    /// How the pairs are dealt and a drop is judged.
    RegoleAbbina::Estrazione estrazione;
    RegoleAbbina::Giusta giusta;
    Join join;

    /// "abbina contrari"
    static const DragMatchVariant& form1();
    /// "abbina gradi"
    static const DragMatchVariant& form5();
    /// "parola corretta"
    static const DragMatchVariant& form8();
};

} // namespace vocario
