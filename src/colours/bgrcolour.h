#pragma once

#include <QColor>

namespace vocario {

/// Colour values are 24-bit 0xBBGGRR: blue in the high byte, red in the low.
inline QColor bgrToQColor(quint32 bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

/// Not a colour value: the system colour of button faces.
inline constexpr quint32 kSystemButtonFace = 0x8000000F;

} // namespace vocario
