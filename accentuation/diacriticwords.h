// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef DIACRITICWORDS_H
#define DIACRITICWORDS_H

#include <string>
#include <string_view>

// The closed lists of words whose written accent tells two words apart, in lower case.

// The accented word of a pair (tú, él, más, qué, cómo, dónde ...), which keeps its
// accent although the general rules give it none.
bool isDiacriticAccented(std::u16string_view lowerWord);

// The partner of a word of a pair ("tu" for "tú", "qué" for "que"), or empty.
std::u16string diacriticPartner(std::u16string_view lowerWord);

// The question and exclamation words without their accent (que, como, donde ...).
bool isUnaccentedQuestionWord(std::u16string_view lowerWord);

#endif
