// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SPELLDICTIONARY_H
#define SPELLDICTIONARY_H

#include <nuspell/dictionary.hxx>

#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

// A Hunspell dictionary read with nuspell, with words that it lacks but are right (names,
// mostly). Each distinct word is looked up once; only unknown words get suggestions.
class SpellDictionary
{
public:
    // Debian's Spanish dictionary (hunspell-es).
    static std::filesystem::path defaultAffixFile();

    // False when the dictionary cannot be read.
    bool load(const std::filesystem::path &affixFile);
    void allow(std::u16string_view word);

    bool knows(std::u16string_view word);
    const std::vector<std::u16string> &suggestions(std::u16string_view word);

private:
    nuspell::Dictionary m_dictionary;
    std::unordered_set<std::u16string> m_allowed;
    std::unordered_map<std::u16string, bool> m_known;
    std::unordered_map<std::u16string, std::vector<std::u16string>> m_suggestions;
};

#endif
