// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef LATINLETTERS_H
#define LATINLETTERS_H

#include <string>
#include <string_view>

// Letter case and kinds of the Latin letters that Spanish text uses (Basic Latin and
// Latin-1). Every other character is left as it is and is no vowel.

char16_t lowerLatin(char16_t c);
char16_t upperLatin(char16_t c);
std::u16string lowerLatin(std::u16string_view text);
std::u16string upperLatin(std::u16string_view text);

// á é í ó ú in either case: the accents the game can restore.
bool isAcuteVowel(char16_t c);
// U+0300 to U+036F: a mark that belongs to the character before it.
bool isCombiningMark(char16_t c);
// A letter of a word: Basic Latin and Latin-1 letters, Latin Extended, combining marks.
bool isWordCharacter(char16_t c);

#endif
