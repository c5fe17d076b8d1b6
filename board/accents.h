// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ACCENTS_H
#define ACCENTS_H

#include <string>
#include <string_view>

// Both functions look at the caption of one tile with its spaces (U+0020 only) trimmed.
// A key that is one vowel of the accent pairs comes back as its partner, a single
// character; anything else comes back exactly as it was given, spaces included.

// Strips the acute accent: "á" gives "a"; a plain vowel is returned as it is.
std::u16string NOTilde(std::u16string_view caption);

// Toggles the acute accent: "a" gives "á" and "á" gives "a".
std::u16string Tilde(std::u16string_view caption);

#endif
