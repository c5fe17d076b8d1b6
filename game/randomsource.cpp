// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "randomsource.h"

#include <algorithm>
#include <cmath>
#include <cstring>

void MersenneRandom::seed(float secondsSinceMidnight)
{
    // The seed is the float's bits, so that the fraction of a second counts.
    std::uint32_t bits = 0;
    static_assert(sizeof bits == sizeof secondsSinceMidnight);
    std::memcpy(&bits, &secondsSinceMidnight, sizeof bits);
    m_engine.seed(bits);
}

double MersenneRandom::next()
{
    // The top 53 bits as a fraction: exactly representable, never 1.
    return double(m_engine() >> 11) * 0x1.0p-53;
}

std::int64_t drawIndex(double r, std::int64_t n)
{
    // The double product is rounded: for a draw just below j / n it can come out as j
    // itself. fma gives r * n - k with one rounding only, which keeps its sign, so it
    // tells whether the exact product is below k.
    const double parts = double(n);
    double k = std::floor(r * parts);
    if (std::fma(r, parts, -k) < 0)
        k -= 1;
    return std::int64_t(std::clamp(k, 0.0, parts - 1));
}
