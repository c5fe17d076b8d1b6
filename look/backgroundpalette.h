// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef BACKGROUNDPALETTE_H
#define BACKGROUNDPALETTE_H

#include <array>
#include <cstdint>

// Colours are written 0xBBGGRR: blue in the high byte, red in the low byte.
using BgrColour = std::uint32_t;

struct Rgb {
    int red;
    int green;
    int blue;
    bool operator==(const Rgb &) const = default;
};

constexpr Rgb rgbOf(BgrColour colour)
{
    return {int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF)};
}

// The seven dark backgrounds, numbered 1 to 7 (index 0 holds number 1).
inline constexpr std::array<BgrColour, 7> BackgroundPalette = {
    0x400000, // dark blue
    0x004000, // dark green
    0x000040, // dark red
    0x400040, // dark purple
    0x404040, // dark grey
    0x404080, // brownish red
    0x000000, // black
};

// Colour number k of the palette, 1 <= k <= 7.
BgrColour paletteColour(int number);

#endif
