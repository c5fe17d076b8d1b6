// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ACCENTRULE_H
#define ACCENTRULE_H

#include <string>
#include <string_view>
#include <vector>

// The stressed syllable's place, counted from the end of the word.
enum class StressClass { Monosyllable, Aguda, Llana, Esdrujula, Sobresdrujula };

// What the general rules of the written accent, the hiatus rule and the closed list of
// diacritical words say about the word as it is written.
enum class AccentVerdict {
    Required, // it has the accent it needs
    Allowed, // a diacritical word: the accent tells it from its plain partner
    Forbidden, // it has an accent that no rule gives it
    None, // no accent, and none needed
};

enum class AccentReason {
    General, // the word's class and ending decide
    Hiatus, // a stressed í or ú beside a, e or o always carries the accent
    Diacritical, // a word of the closed list
};

// How the word ends, as the general rules see it: an s after another consonant
// (robots, bíceps) counts as a consonant other than n or s, and so does y.
enum class WordEnding { Vowel, N, S, OtherConsonant };

struct WordAccent {
    std::vector<std::u16string> syllables;
    std::size_t stressed = 0; // index of the stressed syllable
    std::size_t stressFromEnd = 0; // 1 for the last syllable; 0 for the empty word
    StressClass stressClass = StressClass::Monosyllable;
    WordEnding ending = WordEnding::Vowel;
    int writtenAccents = 0; // á é í ó ú in either case
    AccentVerdict verdict = AccentVerdict::None;
    AccentReason reason = AccentReason::General;
};

// The stressed syllable is the one with a written accent (the first, if there are more),
// else the next-to-last for a word ending in a vowel, n or s, and the last otherwise.
WordAccent analyseWord(std::u16string_view word);

// Whether the general rules put a written accent on a word of this class and ending.
bool generalRuleWantsAccent(StressClass stressClass, WordEnding ending);

#endif
