// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzz target: any word splits into syllables that join back to it, and its stressed
// syllable is one of them. A fault aborts.
#include "accentrule.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

// Letters that make the syllable rules work: vowels with and without marks, h, y, the
// digraphs' letters, a combining acute and grave, and a surrogate half (the last).
static constexpr char16_t Letters[] =
    u"aeiouáéíóúüAEIOUÁÉÍÓÚÜhHyYqgcllrrnsptbdkfxzñàê\u0301\u0300\xD800";
static constexpr std::u16string_view Alphabet(Letters, sizeof Letters / sizeof Letters[0] - 1);

static void fail(const char *what)
{
    std::fprintf(stderr, "syllable fuzz: %s\n", what);
    std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // An even first byte picks letters of the alphabet; an odd one reads UTF-16LE.
    std::u16string word;
    if (size > 0 && data[0] % 2 == 0) {
        for (std::size_t i = 1; i < size; ++i)
            word += Alphabet[data[i] % Alphabet.size()];
    } else {
        for (std::size_t i = 1; i + 1 < size; i += 2)
            word += char16_t(data[i] | data[i + 1] << 8);
    }
    const WordAccent accent = analyseWord(word);
    std::u16string joined;
    for (const std::u16string &syllable : accent.syllables) {
        if (syllable.empty())
            fail("an empty syllable");
        joined += syllable;
    }
    if (joined != word)
        fail("the syllables do not join back to the word");
    const std::size_t count = accent.syllables.size();
    if (count > 0 && (accent.stressed >= count || accent.stressFromEnd != count - accent.stressed))
        fail("the stressed syllable is not one of the word's");
    return 0;
}
