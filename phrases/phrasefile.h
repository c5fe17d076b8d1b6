// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PHRASEFILE_H
#define PHRASEFILE_H

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Larger phrase files are refused rather than read into memory.
inline constexpr std::size_t MaxPhraseFileBytes = 64 * 1024 * 1024;

// Windows-1252, byte by byte; the five bytes it leaves undefined keep their own value.
std::u16string decodeWindows1252(std::string_view bytes);

// The lines of a phrase file's bytes, decoded and cut at their line ends, nothing else
// done: spaces and blank lines as written. Text editors on Linux save UTF-8, older phrase
// files are Windows-1252: the bytes are read as UTF-8 when they are valid UTF-8 and hold
// at least one multi-byte sequence (a leading byte-order mark is dropped), and as
// Windows-1252 otherwise. Lines end at CR LF, LF or CR; a line end at the very end adds
// no line. Nothing when the bytes are no text that can be read.
std::optional<std::vector<std::u16string>> decodedLines(std::string_view bytes);

// The phrases the game plays: each decoded line folded with Slim, the empty ones left
// out, in file order.
std::optional<std::vector<std::u16string>> parsePhrases(std::string_view bytes);

#endif
