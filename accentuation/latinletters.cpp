// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "latinletters.h"

char16_t lowerLatin(char16_t c)
{
    if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return char16_t(c + 0x20);
    return c;
}

char16_t upperLatin(char16_t c)
{
    if ((c >= u'a' && c <= u'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return char16_t(c - 0x20);
    return c;
}

std::u16string lowerLatin(std::u16string_view text)
{
    std::u16string lower(text);
    for (char16_t &c : lower)
        c = lowerLatin(c);
    return lower;
}

std::u16string upperLatin(std::u16string_view text)
{
    std::u16string upper(text);
    for (char16_t &c : upper)
        c = upperLatin(c);
    return upper;
}

bool isAcuteVowel(char16_t c)
{
    return std::u16string_view(u"áéíóúÁÉÍÓÚ").find(c) != std::u16string_view::npos;
}

bool isCombiningMark(char16_t c)
{
    return c >= 0x300 && c <= 0x36F;
}

bool isWordCharacter(char16_t c)
{
    const bool basic = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    const bool latin1 = c >= 0xC0 && c <= 0xFF && c != 0xD7 && c != 0xF7;
    const bool extended = c >= 0x100 && c <= 0x24F;
    return basic || latin1 || extended || isCombiningMark(c);
}
