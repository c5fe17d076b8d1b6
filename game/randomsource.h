// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef RANDOMSOURCE_H
#define RANDOMSOURCE_H

#include <cstdint>
#include <random>

// The game's one pseudo-random source: seeded once, at Load, from the time of day;
// drawn for background colours and for the order of the play queue.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual void seed(float secondsSinceMidnight) = 0;
    // A uniform value r with 0 <= r < 1.
    virtual double next() = 0;
};

// A 64-bit Mersenne Twister, whose output the C++ standard fixes to the bit: every
// standard library, the browser's included, draws the same values from the same seed.
class MersenneRandom : public RandomSource
{
public:
    void seed(float secondsSinceMidnight) override;
    double next() override;

private:
    std::mt19937_64 m_engine;
};

// Which of n equal parts of [0, 1) the draw r falls in: the whole part of the exact
// product r * n, so 0 <= result < n. A draw outside [0, 1) is held to the nearest end.
std::int64_t drawIndex(double r, std::int64_t n);

#endif
