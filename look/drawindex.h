// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef DRAWINDEX_H
#define DRAWINDEX_H

#include <cstdint>

// Which of n equal parts of [0, 1) the draw r falls in: the whole part of the exact
// product r * n, so 0 <= result < n. A draw outside [0, 1) is held to the nearest end.
std::int64_t drawIndex(double r, std::int64_t n);

#endif
