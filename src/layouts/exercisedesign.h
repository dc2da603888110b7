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

/// Tops of the nine rows of antonym and degree matching: 420 + 630 x r.
inline const std::vector<int> kNineRows = {420, 1050, 1680, 2310, 2940, 3570, 4200, 4830, 5460};
/// Heights of their nine draggable words (the first is a little taller).
inline const std::vector<int> kNineWordHeights = {380, 375, 375, 375, 375, 375, 375, 375, 375};

/// An exercise window: the frame controls at their places plus the window's
/// own controls, with the size, colour, title and icon all exercises share.
WindowDesign exerciseWindowDesign(const char* name, const FramePlaces& places,
                                  std::vector<ControlDesign> ownControls);

} // namespace vocario
