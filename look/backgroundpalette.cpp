// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "backgroundpalette.h"

BgrColour paletteColour(int number)
{
    return BackgroundPalette[std::size_t(number - 1)];
}
