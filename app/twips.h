// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef TWIPS_H
#define TWIPS_H

#include <QtGlobal>

// The game places things in twips, 15 to a pixel at 96 dots per inch.
inline constexpr double TwipsPerPixel = 15;

inline int pixels(double twips)
{
    return qRound(twips / TwipsPerPixel);
}

#endif
