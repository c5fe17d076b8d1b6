// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "backgroundpalette.h"

#include "drawindex.h"

int paletteNumber(double r)
{
    return int(drawIndex(r, std::int64_t(BackgroundPalette.size()))) + 1;
}

BgrColour backgroundFor(double r)
{
    return BackgroundPalette[std::size_t(paletteNumber(r) - 1)];
}
