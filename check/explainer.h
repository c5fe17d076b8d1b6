// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef EXPLAINER_H
#define EXPLAINER_H

#include "accentrule.h"

#include <string>
#include <string_view>
#include <vector>

// Why a word of a phrase is worth a line of explanation.
enum class ExplainWhy {
    Accented, // it carries a written accent
    PlainPartner, // a diacritical or question word written without its accent
    LlanaInNS, // a llana ending in n or s, which learners tend to accent
};

struct ExplainedWord {
    std::u16string word;
    WordAccent accent;
    ExplainWhy why;
};

// The words of a phrase that carry an accent, or that a learner could accent wrongly
// there, in phrase order.
std::vector<ExplainedWord> wordsToExplain(std::u16string_view phrase);

// The syllables joined by "-", the stressed one in capitals: "can-CIÓN".
std::u16string markedSyllables(const WordAccent &accent);

#endif
