// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLAYQUEUE_H
#define PLAYQUEUE_H

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The play queue of one game, as indices into the source list. Each phrase of the source
// whose spaces-trimmed text is not empty is taken in order and inserted at position
// k = drawGap(m + 1) of the queue built so far, m being its length and 0 <= k <= m: one
// draw per phrase and no other, so every order is equally likely.
//
// The result equals that insertion done literally, but is built in O(n log n): the
// positions are settled from the last insertion back to the first, each phrase taking
// the k-th slot still free.
std::vector<std::uint32_t> shuffledQueue(const std::vector<std::u16string> &source,
                                         const std::function<std::size_t(std::size_t)> &drawGap);

#endif
