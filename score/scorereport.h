// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SCOREREPORT_H
#define SCOREREPORT_H

#include <cstdint>
#include <string>

// Hits as a percentage of attempts, unrounded. attempts > 0.
double scorePercent(std::uint64_t hits, std::uint64_t attempts);

// A count as the player sees it: one leading space, then plain decimal digits with no
// separator, whatever the locale (" 3", " 32767").
std::u16string numberText(std::uint64_t count);

// The score as the player sees it: rounded to one decimal place, an exact half going to
// the even digit, with one leading space, "." as the decimal point and no decimal point
// for a whole number (" 75", " 66.7", " 0.5").
std::u16string scoreText(double score);

// " Score :  75% Shots :  4 Hits   :  3" for 3 hits and 1 miss.
std::u16string reportCaption(std::uint64_t hits, std::uint64_t misses);

// Text colour of the report, 0xBBGGRR, by the unrounded score: red below 60, yellow from
// 60 up to 80 (both included), green above 80.
std::uint32_t reportColour(double score);

#endif
