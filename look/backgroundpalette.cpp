#include "backgroundpalette.h"

#include <algorithm>
#include <cmath>

int paletteNumber(double r)
{
    // r * 7 is taken in double precision and floored, never rounded. The clamp only
    // guards against a random source that breaks its promise of [0, 1).
    const int k = int(std::floor(r * 7.0)) + 1;
    return std::clamp(k, 1, int(BackgroundPalette.size()));
}

BgrColour backgroundFor(double r)
{
    return BackgroundPalette[std::size_t(paletteNumber(r) - 1)];
}
