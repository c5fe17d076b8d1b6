// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ANSWERCHECK_H
#define ANSWERCHECK_H

#include <cstddef>
#include <cstdint>
#include <string_view>

// Whether the answer read off the tiles is the phrase at the head of the queue: the
// same 16-bit characters, with nothing trimmed and no locale rules. When the phrase
// fills every tile, so that no hidden tile ends the answer, the answer is compared
// with the part of the phrase that the tiles can show.
bool isCorrectAnswer(std::u16string_view answer, std::u16string_view phrase, bool boardFull,
                     std::size_t tileCharacters);

// One more miss, stopping at the largest 16-bit count instead of wrapping.
std::int16_t addMiss(std::int16_t misses);

#endif
