// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef RANDOMSOURCE_H
#define RANDOMSOURCE_H

#include <cstdint>
#include <random>

// The program's one pseudo-random source: seeded once, at Load, from the time of day;
// drawn for background colours and for the order of the play queue.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual void seed(float secondsSinceMidnight) = 0;
    // A uniform value r with 0 <= r < 1.
    virtual double next() = 0;
};

class MersenneRandom : public RandomSource
{
public:
    void seed(float secondsSinceMidnight) override;
    double next() override;

private:
    std::mt19937_64 m_engine;
};

// Seconds since midnight, local time, with the fraction.
float secondsSinceMidnight();

#endif
