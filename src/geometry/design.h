#pragma once

#include "pictures.h"

#include <QtGlobal>
#include <vector>

namespace vocario {

/// Positions and sizes are in twips: 15 twips make one logical pixel.
inline constexpr int kTwipsPerPixel = 15;
inline int twipsToPixels(int twips) {
    return qRound(double(twips) / kTwipsPerPixel);
}
inline int pixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

enum class ControlKind { Label, Button, OptionButton, TextBox, Picture };

/// The look words of a design table, combined as flags.
enum Look : unsigned {
    Plain = 0,
    Border = 1u << 0,      ///< single-line frame
    Centred = 1u << 1,     ///< text centred horizontally
    Transparent = 1u << 2, ///< paints no background
    Draggable = 1u << 3,   ///< the pupil can pick it up and drop it on a target
    Graphical = 1u << 4,   ///< a button that shows its back colour and picture
    Stretched = 1u << 5,   ///< the picture fills the control
    Selected = 1u << 6,    ///< the option button that is on at first
    Disabled = 1u << 7,    ///< starts disabled (a text box: read-only)
    MultiLine = 1u << 8,
};

/// Face, size in points and weight; a null face means the window's font.
struct FontSpec {
    const char* face = nullptr;
    double points = 0;
    bool bold = true;
};

inline constexpr FontSpec arial(double points) {
    return {"Arial", points, true};
}
inline constexpr FontSpec msSansSerif(double points) {
    return {"MS Sans Serif", points, true};
}

/// Colour value meaning "no back colour given".
inline constexpr qint64 kNoColour = -1;

/// One row of a design table, in the columns of a screen-layout table. A
/// control array has count > 0 and is named Name(0)..Name(count-1); its value
/// lists hold one value for all members or one value per member.
struct ControlDesign {
    const char* name;
    ControlKind kind;
    int count = 0; ///< 0 for a single control
    std::vector<const char*> texts;
    std::vector<int> lefts;
    std::vector<int> tops;
    std::vector<int> widths;
    std::vector<int> heights;
    FontSpec font = {}; ///< none: the window's font
    unsigned look = Plain;
    qint64 backColour = kNoColour;
    Picture picture = Picture::None;
};

/// Rows of equal controls one under the other: row r has its top edge at
/// first + spacing * r (twips). The windows place and shuffle their controls
/// on these rows, and the design tables take their tops from them.
struct RowPlaces {
    int first;
    int spacing;
    int count;

    constexpr int top(int r) const { return first + spacing * r; }
    std::vector<int> tops() const {
        std::vector<int> all;
        for (int r = 0; r < count; ++r)
            all.push_back(top(r));
        return all;
    }
};

/// A window as it is designed: client area in twips, colour, controls.
struct WindowDesign {
    const char* name;
    const char* title;
    int clientLeft;
    int clientTop;
    int clientWidth;
    int clientHeight;
    quint32 backColour;
    Picture icon = Picture::None;
    std::vector<ControlDesign> controls;
};

} // namespace vocario
