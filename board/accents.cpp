// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accents.h"

#include "slim.h"

#include <array>
#include <utility>

namespace {

// Plain vowel, accented vowel; the order is the order of comparison.
// clang-format off
constexpr std::array<std::pair<char16_t, char16_t>, 10> accentPairs = {{
    {u'a', u'\u00E1'}, {u'e', u'\u00E9'}, {u'i', u'\u00ED'}, {u'o', u'\u00F3'}, {u'u', u'\u00FA'},
    {u'A', u'\u00C1'}, {u'E', u'\u00C9'}, {u'I', u'\u00CD'}, {u'O', u'\u00D3'}, {u'U', u'\u00DA'},
}};
// clang-format on

} // namespace

std::u16string NOTilde(std::u16string_view caption)
{
    const std::u16string_view key = trimSpaces(caption);
    if (key.size() == 1) {
        for (const auto &[plain, accented] : accentPairs) {
            if (key[0] == accented)
                return std::u16string(1, plain);
        }
    }
    return std::u16string(caption);
}

std::u16string Tilde(std::u16string_view caption)
{
    const std::u16string_view key = trimSpaces(caption);
    if (key.size() == 1) {
        for (const auto &[plain, accented] : accentPairs) {
            if (key[0] == plain)
                return std::u16string(1, accented);
            if (key[0] == accented)
                return std::u16string(1, plain);
        }
    }
    return std::u16string(caption);
}
