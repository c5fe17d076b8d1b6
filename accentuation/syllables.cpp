// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "syllables.h"

#include "latinletters.h"

namespace {

// Accented í and ú stand apart from a, e and o, so they are kept as a kind of their own.
enum class Sound { Consonant, Open, Closed, AccentedClosed };

struct Unit {
    std::size_t begin;
    std::size_t end;
    Sound sound;
    char16_t letter; // the unit's first letter in lower case
};

Sound vowelSound(char16_t lower)
{
    const std::u16string_view open = u"aeoáéóàèòâêôäëöãõ";
    if (open.find(lower) != std::u16string_view::npos)
        return Sound::Open;
    if (std::u16string_view(u"iuüìùîûï").find(lower) != std::u16string_view::npos)
        return Sound::Closed;
    if (lower == u'í' || lower == u'ú')
        return Sound::AccentedClosed;
    return Sound::Consonant;
}

bool isVowel(char16_t lower)
{
    return vowelSound(lower) != Sound::Consonant;
}

bool isFrontVowel(char16_t lower)
{
    return std::u16string_view(u"eiéíèìêî").find(lower) != std::u16string_view::npos;
}

// The word as letters and digraphs, each with its sound; marks join the unit before them.
std::vector<Unit> splitUnits(std::u16string_view word)
{
    std::vector<Unit> units;
    const auto at = [&](std::size_t i) { return i < word.size() ? lowerLatin(word[i]) : u'\0'; };
    std::size_t i = 0;
    while (i < word.size()) {
        const char16_t c = at(i);
        if (isCombiningMark(word[i]) && !units.empty()) {
            units.back().end = ++i;
            continue;
        }
        const char16_t next = at(i + 1);
        const bool digraph = (c == u'c' && next == u'h') || (c == u'l' && next == u'l')
            || (c == u'r' && next == u'r');
        const bool silentU = (c == u'q' || c == u'g') && next == u'u' && isFrontVowel(at(i + 2));
        if (digraph || silentU) {
            units.push_back({i, i + 2, Sound::Consonant, c});
            i += 2;
            continue;
        }
        Sound sound = vowelSound(c);
        if (c == u'y' && !isVowel(next))
            sound = Sound::Closed;
        units.push_back({i, i + 1, sound, c});
        ++i;
    }
    return units;
}

char16_t baseVowel(char16_t lower)
{
    return lower == u'í' ? u'i' : lower == u'ú' ? u'u' : lower;
}

bool isHiatus(const Unit &first, const Unit &second)
{
    const Sound a = first.sound;
    const Sound b = second.sound;
    if (a == Sound::Open && b == Sound::Open)
        return true;
    if ((a == Sound::AccentedClosed && b == Sound::Open)
        || (a == Sound::Open && b == Sound::AccentedClosed))
        return true;
    return baseVowel(first.letter) == baseVowel(second.letter);
}

bool isInseparable(const Unit &first, const Unit &second)
{
    if (first.end - first.begin != 1 || second.end - second.begin != 1)
        return false;
    const bool before =
        std::u16string_view(u"pbfcgktd").find(first.letter) != std::u16string_view::npos;
    const bool liquid = second.letter == u'l' || second.letter == u'r';
    const bool spanishSplit = first.letter == u'd' && second.letter == u'l';
    const bool splitTl = first.letter == u't' && second.letter == u'l';
    return before && liquid && !spanishSplit && !splitTl;
}

} // namespace

std::vector<std::u16string> splitSyllables(std::u16string_view word)
{
    const std::vector<Unit> units = splitUnits(word);
    // Each nucleus is its first and last unit; an h between two vowels may lie inside one.
    std::vector<std::pair<std::size_t, std::size_t>> nuclei;
    std::size_t lastVowel = units.size();
    for (std::size_t u = 0; u < units.size(); ++u) {
        if (units[u].sound == Sound::Consonant)
            continue;
        const bool adjacent = lastVowel + 1 == u;
        const bool acrossH = lastVowel + 2 == u && units[lastVowel + 1].letter == u'h';
        if (!nuclei.empty() && (adjacent || acrossH) && !isHiatus(units[lastVowel], units[u]))
            nuclei.back().second = u;
        else
            nuclei.push_back({u, u});
        lastVowel = u;
    }
    if (nuclei.empty())
        return word.empty() ? std::vector<std::u16string>{}
                            : std::vector<std::u16string>{std::u16string(word)};

    // Where each syllable after the first begins, in units.
    std::vector<std::size_t> starts;
    for (std::size_t k = 1; k < nuclei.size(); ++k) {
        const std::size_t from = nuclei[k - 1].second + 1;
        const std::size_t to = nuclei[k].first;
        const std::size_t consonants = to - from;
        std::size_t start = to;
        if (consonants == 1)
            start = from;
        else if (consonants >= 2)
            start = isInseparable(units[to - 2], units[to - 1]) ? to - 2 : to - 1;
        starts.push_back(start);
    }
    std::vector<std::u16string> syllables;
    std::size_t begin = 0;
    for (const std::size_t start : starts) {
        syllables.emplace_back(word.substr(begin, units[start].begin - begin));
        begin = units[start].begin;
    }
    syllables.emplace_back(word.substr(begin));
    return syllables;
}
