// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scorereport.h"

#include <cmath>

namespace {

constexpr std::uint32_t Red = 0x0000FF;
constexpr std::uint32_t Yellow = 0x00FFFF;
constexpr std::uint32_t Green = 0x00FF00;

std::u16string digits(std::uint64_t value)
{
    std::u16string text;
    do {
        text.insert(text.begin(), char16_t(u'0' + value % 10));
        value /= 10;
    } while (value > 0);
    return text;
}

// Ten times the exact binary value of a score from 0 to 100, rounded to a whole number,
// an exact half to the even one. Worked out on the double's mantissa in integers, so that
// no locale and no floating-point formatting comes into it.
std::uint64_t roundedTenths(double score)
{
    int exponent = 0;
    const double fraction = std::frexp(score, &exponent);
    // score = mantissa * 2^-shift exactly, and ten times it fits in 64 bits.
    const auto mantissa = std::uint64_t(std::ldexp(fraction, 53));
    const int shift = 53 - exponent;
    const std::uint64_t tenfold = mantissa * 10;
    if (shift <= 0)
        return tenfold << -shift;
    // Below a twentieth of a tenth: rounds to 0.
    if (shift >= 64)
        return 0;
    const std::uint64_t whole = tenfold >> shift;
    const std::uint64_t rest = tenfold & ((std::uint64_t(1) << shift) - 1);
    const std::uint64_t half = std::uint64_t(1) << (shift - 1);
    return rest > half || (rest == half && whole % 2 == 1) ? whole + 1 : whole;
}

} // namespace

double scorePercent(std::uint64_t hits, std::uint64_t attempts)
{
    return double(hits) / double(attempts) * 100.0;
}

std::u16string numberText(std::uint64_t count)
{
    return u' ' + digits(count);
}

std::u16string scoreText(double score)
{
    const std::uint64_t tenths = roundedTenths(score);
    std::u16string text = numberText(tenths / 10);
    if (tenths % 10 != 0)
        text += u'.' + digits(tenths % 10);
    return text;
}

std::u16string reportCaption(std::uint64_t hits, std::uint64_t misses)
{
    const std::uint64_t attempts = hits + misses;
    return u" Score : " + scoreText(scorePercent(hits, attempts)) + u"%" + u" Shots : "
        + numberText(attempts) + u" Hits   : " + numberText(hits);
}

std::uint32_t reportColour(double score)
{
    if (score < 60)
        return Red;
    if (score <= 80)
        return Yellow;
    return Green;
}
