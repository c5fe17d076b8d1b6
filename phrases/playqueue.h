// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLAYQUEUE_H
#define PLAYQUEUE_H

#include <QStringList>

#include <functional>

// The play queue of one game. Each phrase of the source whose spaces-trimmed text is not
// empty is taken in order and inserted at position k = whole part of r * (m + 1) of the
// queue built so far, m being its length and r the next draw (0 <= r < 1): one draw per
// phrase and no other, so every order is equally likely.
//
// The result equals that insertion done literally, but is built in O(n log n): the
// positions are settled from the last insertion back to the first, each phrase taking
// the k-th slot still free.
QStringList shuffledQueue(const QStringList &source, const std::function<double()> &draw);

#endif
