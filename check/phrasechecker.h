// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PHRASECHECKER_H
#define PHRASECHECKER_H

#include "finding.h"

#include <string>
#include <vector>

class SpellDictionary;

// The board shows at most this many characters of a phrase.
inline constexpr std::size_t BoardCharacters = 383;

// Checks the decoded lines of a phrase file, in file order, and finds what would teach
// a wrong accent, what the game cannot show or toggle, and what is probably a slip.
// Without a dictionary the spelling is not checked.
std::vector<Finding> checkLines(const std::vector<std::u16string> &lines,
                                SpellDictionary *dictionary);

// A word of a line and where it starts, in code units.
struct LineWord {
    std::size_t offset;
    std::u16string_view text;
};

// The words of a line: runs of letters and combining marks.
std::vector<LineWord> wordsOf(std::u16string_view line);

#endif
