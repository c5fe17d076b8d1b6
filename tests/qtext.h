// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <string_view>

// The game's text as a QString, code unit for code unit. QString::fromStdU16String would
// drop a byte-order mark at the start, which is a character of a phrase.
inline QString qtext(std::u16string_view text)
{
    return QStringView(text.data(), qsizetype(text.size())).toString();
}
