#pragma once

#include "design.h"

namespace vocario {

/// Where the frame controls of an exercise window stand (twips). Their sizes,
/// fonts and looks are the same in all nine windows.
struct FramePlaces {
    int avantiLeft, avantiTop;
    int iconsLeft, iconsTop;
    int erratiCountLeft, erratiCountTop;
    int esattiCountLeft, esattiCountTop;
    const char* erratiCaptionName; ///< "Label2", or "Label5" where Label5 is no instruction
    int erratiCaptionLeft, erratiCaptionTop;
    int esattiCaptionLeft, esattiCaptionTop;
};

/// Tops of the nine rows of antonym and degree matching: 420 + 630 x r.
inline const std::vector<int> kNineRows = {420, 1050, 1680, 2310, 2940, 3570, 4200, 4830, 5460};
/// Heights of their nine draggable words (the first is a little taller).
inline const std::vector<int> kNineWordHeights = {380, 375, 375, 375, 375, 375, 375, 375, 375};

/// An exercise window: the frame controls at their places plus the window's
/// own controls, with the size, colour, title and icon all nine share.
WindowDesign exerciseWindowDesign(const char* name, const FramePlaces& places,
                                  std::vector<ControlDesign> ownControls);

} // namespace vocario
