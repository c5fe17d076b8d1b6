// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drawindex.h"

#include <algorithm>
#include <cmath>

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
