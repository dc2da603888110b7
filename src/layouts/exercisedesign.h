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

/// An exercise window: the frame controls at their places plus the window's
/// own controls, with the size, colour, title and icon all nine share.
WindowDesign exerciseWindowDesign(const char* name, const FramePlaces& places,
                                  std::vector<ControlDesign> ownControls);

} // namespace vocario
