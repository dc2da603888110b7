#pragma once

#include "design.h"

namespace vocario {

/// The top-left corner of a control (twips).
struct Place {
    int left;
    int top;
};

/// Where the frame controls of an exercise window stand. Their sizes, fonts
/// and looks are the same in all exercise windows.
struct FramePlaces {
    Place avanti;      ///< BottoneAvanti
    Place icons;       ///< ComandoIconaNo and ComandoIconaSi, on one rectangle
    Place erratiCount; ///< EtichettaErrati
    Place esattiCount; ///< EtichettaEsatti
    /// "Label2", or "Label5" where Label5 is no instruction line.
    const char* erratiCaptionName;
    Place erratiCaption; ///< the "Errati" caption
    Place esattiCaption; ///< Label1, the "Esatti" caption
};

/// The nine rows of antonym and degree matching.
inline constexpr RowPlaces kNoveRighe{.first = 420, .spacing = 630, .count = 9};
/// Heights of their nine draggable words (the first is a little taller).
inline const std::vector<int> kNineWordHeights = {380, 375, 375, 375, 375, 375, 375, 375, 375};
/// The four rows of the click tiles, one tile a row.
inline constexpr RowPlaces kRigheTessere{.first = 600, .spacing = 1500, .count = 4};

/// An exercise window: the frame controls at their places plus the window's
/// own controls, with the size, colour, title and icon all exercises share.
WindowDesign exerciseWindowDesign(const char* name, const FramePlaces& places,
                                  std::vector<ControlDesign> ownControls);

} // namespace vocario
