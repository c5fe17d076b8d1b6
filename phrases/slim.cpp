// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "slim.h"

std::u16string_view trimSpaces(std::u16string_view text)
{
    const std::size_t begin = text.find_first_not_of(u' ');
    if (begin == std::u16string_view::npos)
        return {};
    return text.substr(begin, text.find_last_not_of(u' ') - begin + 1);
}

std::u16string Slim(std::u16string_view text)
{
    const std::u16string_view trimmed = trimSpaces(text);

    // trimmed[0] is never a space, so every i > 0 below has a neighbour to look at.
    std::u16string slim;
    slim.reserve(trimmed.size());
    for (std::size_t i = 0; i < trimmed.size(); ++i) {
        if (trimmed[i] == u' ' && trimmed[i - 1] == u' ')
            continue;
        slim.push_back(trimmed[i]);
    }
    return slim;
}
