// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "spelldictionary.h"

#include <utf8/checked.h>

#include <system_error>

std::filesystem::path SpellDictionary::defaultAffixFile()
{
    return "/usr/share/hunspell/es_ES.aff";
}

bool SpellDictionary::load(const std::filesystem::path &affixFile)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(affixFile, error))
        return false;
    try {
        m_dictionary.load_aff_dic(affixFile);
    } catch (const std::exception &) {
        return false;
    }
    return true;
}

void SpellDictionary::allow(std::u16string_view word)
{
    m_allowed.emplace(word);
}

bool SpellDictionary::knows(std::u16string_view word)
{
    const std::u16string key(word);
    if (m_allowed.count(key))
        return true;
    const auto cached = m_known.find(key);
    if (cached != m_known.end())
        return cached->second;
    const bool known = m_dictionary.spell(utf8::utf16to8(key));
    m_known.emplace(key, known);
    return known;
}

const std::vector<std::u16string> &SpellDictionary::suggestions(std::u16string_view word)
{
    const std::u16string key(word);
    const auto cached = m_suggestions.find(key);
    if (cached != m_suggestions.end())
        return cached->second;
    std::vector<std::string> found;
    m_dictionary.suggest(utf8::utf16to8(key), found);
    std::vector<std::u16string> wide;
    for (const std::string &suggestion : found)
        wide.push_back(utf8::utf8to16(suggestion));
    return m_suggestions.emplace(key, std::move(wide)).first->second;
}
