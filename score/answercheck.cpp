// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "answercheck.h"

#include <limits>

bool isCorrectAnswer(std::u16string_view answer, std::u16string_view phrase, bool boardFull,
                     std::size_t tileCharacters)
{
    if (boardFull)
        return answer == phrase.substr(0, tileCharacters);
    return answer == phrase;
}

std::int16_t addMiss(std::int16_t misses)
{
    return misses == std::numeric_limits<std::int16_t>::max() ? misses : std::int16_t(misses + 1);
}
