// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SLIM_H
#define SLIM_H

#include <string>
#include <string_view>

// Removes spaces (U+0020) at both ends and folds every run of spaces inside to one.
// No other character counts as a space: tabs and no-break spaces stay as they are.
std::u16string Slim(std::u16string_view text);

// Removes U+0020 at both ends and nothing else (tabs and other white space stay).
std::u16string_view trimSpaces(std::u16string_view text);

#endif
