#pragma once

#include "bgrcolour.h"

#include <array>

namespace vocario {

class RandomGenerator;

/// Colour values are written 0xBBGGRR: blue in the high byte, red in the low.
namespace Colori {

inline constexpr quint32 Nero = 0x000000;
inline constexpr quint32 Bianco = 0xFFFFFF;
inline constexpr quint32 Rosso = 0x0000FF;
inline constexpr quint32 GialloPallido = 0xC0FFFF;
inline constexpr quint32 GrigioChiaro = 0xC0C0C0;
/// Not a colour: the system colour of button faces.
inline constexpr quint32 FacciaBottone = kSystemButtonFace;

/// The background palette; slot 0 is never picked, 14 and 15 are equal.
inline constexpr std::array<quint32, 19> Tavolozza = {
    0,        0xC0C0FF, 0x8080FF, 0x0000FF, 0x80C0FF, 0x0080FF, 0xC0FFFF,
    0x00FFFF, 0x0040C0, 0x80FF80, 0x00C000, 0xFFFFC0, 0xFFFF00, 0xFFC0C0,
    0xFFC0FF, 0xFFC0FF, 0xE0E0E0, 0xFF0000, 0xFF00FF};

/// Draws slot floor(r * 18) + 1 and returns its colour.
quint32 estrai(RandomGenerator& random);

} // namespace Colori
} // namespace vocario
