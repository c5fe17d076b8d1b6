// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ACCENTS_H
#define ACCENTS_H

#include <array>
#include <string>
#include <string_view>
#include <utility>

// The accent pairs: plain vowel, accented vowel; the order is the order of comparison.
// clang-format off
inline constexpr std::array<std::pair<char16_t, char16_t>, 10> AccentPairs = {{
    {u'a', u'\u00E1'}, {u'e', u'\u00E9'}, {u'i', u'\u00ED'}, {u'o', u'\u00F3'}, {u'u', u'\u00FA'},
    {u'A', u'\u00C1'}, {u'E', u'\u00C9'}, {u'I', u'\u00CD'}, {u'O', u'\u00D3'}, {u'U', u'\u00DA'},
}};
// clang-format on

// Both functions look at the caption of one tile with its spaces (U+0020 only) trimmed.
// A key that is one vowel of the accent pairs comes back as its partner, a single
// character; anything else comes back exactly as it was given, spaces included.

// Strips the acute accent: "á" gives "a"; a plain vowel is returned as it is.
std::u16string NOTilde(std::u16string_view caption);

// Toggles the acute accent: "a" gives "á" and "á" gives "a".
std::u16string Tilde(std::u16string_view caption);

#endif
