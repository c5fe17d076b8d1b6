// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scorereport.h"

#include <charconv>

namespace {

constexpr std::uint32_t Red = 0x0000FF;
constexpr std::uint32_t Yellow = 0x00FFFF;
constexpr std::uint32_t Green = 0x00FF00;

QString withoutTrailingZeros(QString text)
{
    if (text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    return text;
}

// to_chars rounds the exact binary value correctly, an exact tie going to the even digit.
QString oneDecimalText(double value)
{
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 1);
    return withoutTrailingZeros(QString::fromLatin1(buffer, result.ptr - buffer));
}

} // namespace

double scorePercent(quint64 hits, quint64 attempts)
{
    return double(hits) / double(attempts) * 100.0;
}

QString scoreText(double score)
{
    return u' ' + oneDecimalText(score);
}

QString reportCaption(quint64 hits, quint64 misses)
{
    const quint64 attempts = hits + misses;
    return QStringLiteral(" Score : ") + scoreText(scorePercent(hits, attempts)) + u'%'
        + QStringLiteral(" Shots : ") + u' ' + QString::number(attempts)
        + QStringLiteral(" Hits   : ") + u' ' + QString::number(hits);
}

std::uint32_t reportColour(double score)
{
    if (score < 60)
        return Red;
    if (score <= 80)
        return Yellow;
    return Green;
}
