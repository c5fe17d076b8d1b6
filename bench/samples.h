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

// One line for a figure timed against its floor, repetition by repetition in turn:
// RATIO|figure|median|lower quartile|upper quartile|floor|floor median|ratio|budget|repetitions
// in microseconds; the ratio is the median of the repetitions' own ratios, and the
// budget is the largest ratio allowed.
inline void printRatio(const std::string &figure, const std::vector<double> &values,
                       const std::vector<double> &floors, const std::string &floor,
                       double ratioBudget)
{
    std::vector<double> ratios;
    for (std::size_t i = 0; i < values.size() && i < floors.size(); ++i)
        ratios.push_back(values[i] / floors[i]);
    const Summary s = summarise(values);
    std::printf("RATIO|%s|%.1f|%.1f|%.1f|%s|%.1f|%.2f|%.2f|%zu\n", figure.c_str(), s.median,
                s.lowerQuartile, s.upperQuartile, floor.c_str(), summarise(floors).median,
                summarise(ratios).median, ratioBudget, values.size());
    std::fflush(stdout);
}

#endif
