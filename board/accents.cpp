// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accents.h"

#include "slim.h"

std::u16string NOTilde(std::u16string_view caption)
{
    const std::u16string_view key = trimSpaces(caption);
    if (key.size() == 1) {
        for (const auto &[plain, accented] : AccentPairs) {
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
        for (const auto &[plain, accented] : AccentPairs) {
            if (key[0] == plain)
                return std::u16string(1, accented);
            if (key[0] == accented)
                return std::u16string(1, plain);
        }
    }
    return std::u16string(caption);
}
