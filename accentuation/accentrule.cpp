// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accentrule.h"

#include "diacriticwords.h"
#include "latinletters.h"
#include "syllables.h"

namespace {

bool isPlainVowel(char16_t lower)
{
    return std::u16string_view(u"aeiouáéíóúü").find(lower) != std::u16string_view::npos;
}

bool isOpenVowel(char16_t lower)
{
    return std::u16string_view(u"aeoáéó").find(lower) != std::u16string_view::npos;
}

WordEnding endingOf(std::u16string_view lower)
{
    std::size_t last = lower.size();
    while (last > 0 && isCombiningMark(lower[last - 1]))
        --last;
    if (last == 0)
        return WordEnding::Vowel;
    const char16_t final = lower[last - 1];
    if (isPlainVowel(final))
        return WordEnding::Vowel;
    const bool afterVowel = last >= 2 && isPlainVowel(lower[last - 2]);
    if (final == u'n' && afterVowel)
        return WordEnding::N;
    if (final == u's' && afterVowel)
        return WordEnding::S;
    return WordEnding::OtherConsonant;
}

StressClass classOf(std::size_t syllableCount, std::size_t fromEnd)
{
    if (syllableCount <= 1)
        return StressClass::Monosyllable;
    switch (fromEnd) {
    case 1:
        return StressClass::Aguda;
    case 2:
        return StressClass::Llana;
    case 3:
        return StressClass::Esdrujula;
    default:
        return StressClass::Sobresdrujula;
    }
}

// An accented í or ú with a, e or o right before or after it, an h between them or not.
bool accentMarksHiatus(std::u16string_view lower)
{
    for (std::size_t i = 0; i < lower.size(); ++i) {
        if (lower[i] != u'í' && lower[i] != u'ú')
            continue;
        std::size_t before = i;
        if (before > 0 && lower[before - 1] == u'h')
            --before;
        std::size_t after = i + 1;
        if (after < lower.size() && lower[after] == u'h')
            ++after;
        const bool openBefore = before > 0 && isOpenVowel(lower[before - 1]);
        const bool openAfter = after < lower.size() && isOpenVowel(lower[after]);
        if (openBefore || openAfter)
            return true;
    }
    return false;
}

} // namespace

bool generalRuleWantsAccent(StressClass stressClass, WordEnding ending)
{
    const bool vowelNS = ending != WordEnding::OtherConsonant;
    switch (stressClass) {
    case StressClass::Monosyllable:
        return false;
    case StressClass::Aguda:
        return vowelNS;
    case StressClass::Llana:
        return !vowelNS;
    default:
        return true;
    }
}

WordAccent analyseWord(std::u16string_view word)
{
    WordAccent result;
    result.syllables = splitSyllables(word);
    const std::size_t count = result.syllables.size();
    if (count == 0)
        return result;
    const std::u16string lower = lowerLatin(word);
    result.ending = endingOf(lower);

    bool found = false;
    for (std::size_t s = 0; s < count; ++s) {
        for (const char16_t c : result.syllables[s]) {
            if (!isAcuteVowel(c))
                continue;
            ++result.writtenAccents;
            if (!found)
                result.stressed = s;
            found = true;
        }
    }
    if (!found) {
        const bool penult = result.ending != WordEnding::OtherConsonant && count >= 2;
        result.stressed = penult ? count - 2 : count - 1;
    }
    result.stressFromEnd = count - result.stressed;
    result.stressClass = classOf(count, result.stressFromEnd);

    const bool general = generalRuleWantsAccent(result.stressClass, result.ending);
    if (result.writtenAccents == 0) {
        result.reason = isDiacriticAccented(diacriticPartner(lower)) ? AccentReason::Diacritical
                                                                     : AccentReason::General;
        return result;
    }
    if (general) {
        result.verdict = AccentVerdict::Required;
    } else if (accentMarksHiatus(lower)) {
        result.verdict = AccentVerdict::Required;
        result.reason = AccentReason::Hiatus;
    } else if (isDiacriticAccented(lower)) {
        result.verdict = AccentVerdict::Allowed;
        result.reason = AccentReason::Diacritical;
    } else {
        result.verdict = AccentVerdict::Forbidden;
    }
    return result;
}
