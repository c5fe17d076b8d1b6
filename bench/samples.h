// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SAMPLES_H
#define SAMPLES_H

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

// The summary of many timed repetitions of one figure.
struct Summary {
    double median;
    double lowerQuartile;
    double upperQuartile;
};

// Quantile p (0 to 1) of sorted values, interpolated between the two nearest ranks.
inline double quantile(const std::vector<double> &sorted, double p)
{
    if (sorted.empty())
        return 0;
    const double rank = p * double(sorted.size() - 1);
    const std::size_t below = std::size_t(rank);
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    return sorted[below] + (sorted[above] - sorted[below]) * (rank - double(below));
}

inline Summary summarise(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return {quantile(values, 0.5), quantile(values, 0.25), quantile(values, 0.75)};
}

// One line that scripts/bench.sh turns into a row of its table:
// RESULT|figure|median|lower quartile|upper quartile|budget|unit|repetitions
inline void printResult(const std::string &figure, const std::vector<double> &values, double budget,
                        const char *unit)
{
    const Summary s = summarise(values);
    std::printf("RESULT|%s|%.1f|%.1f|%.1f|%.1f|%s|%zu\n", figure.c_str(), s.median, s.lowerQuartile,
                s.upperQuartile, budget, unit, values.size());
    std::fflush(stdout);
}

#endif
