// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "explainer.h"

#include "diacriticwords.h"
#include "latinletters.h"
#include "phrasechecker.h"

std::vector<ExplainedWord> wordsToExplain(std::u16string_view phrase)
{
    std::vector<ExplainedWord> words;
    for (const LineWord &word : wordsOf(phrase)) {
        const WordAccent accent = analyseWord(word.text);
        const bool llanaInNS = accent.stressClass == StressClass::Llana
            && (accent.ending == WordEnding::N || accent.ending == WordEnding::S);
        if (accent.writtenAccents > 0)
            words.push_back({std::u16string(word.text), accent, ExplainWhy::Accented});
        else if (accent.reason == AccentReason::Diacritical)
            words.push_back({std::u16string(word.text), accent, ExplainWhy::PlainPartner});
        else if (llanaInNS)
            words.push_back({std::u16string(word.text), accent, ExplainWhy::LlanaInNS});
    }
    return words;
}

std::u16string markedSyllables(const WordAccent &accent)
{
    std::u16string marked;
    for (std::size_t s = 0; s < accent.syllables.size(); ++s) {
        if (s > 0)
            marked += u'-';
        marked += s == accent.stressed ? upperLatin(accent.syllables[s]) : accent.syllables[s];
    }
    return marked;
}
