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
// done: spaces, blank lines and accents as written. Text editors on Linux save UTF-8,
// Windows editors also UTF-16 with its byte-order mark, older phrase files are
// Windows-1252:
// - bytes that start with the mark FF FE are UTF-16 little-endian, FE FF big-endian,
//   the mark dropped; an odd byte count, a surrogate alone or a UTF-32 mark
//   (FF FE 00 00) cannot be read;
// - other bytes are UTF-8 when they are valid UTF-8 and hold at least one multi-byte
//   sequence (a leading byte-order mark is dropped), and Windows-1252 otherwise.
// Lines end at CR LF, LF or CR; a line end at the very end adds no line. Nothing when
// the bytes are no text that can be read.
std::optional<std::vector<std::u16string>> decodedLines(std::string_view bytes);

// Each of the ten vowels a e i o u A E I O U followed by U+0301 (the combining acute
// accent, as text pasted from a PDF or a Mac often has it) as its single accented letter.
// Nothing else changes: a U+0301 after any other character stays.
std::u16string joinAccents(std::u16string_view line);

// The phrases the game plays: each decoded line with its accents joined and folded with
// Slim, the empty ones left out, in file order.
std::optional<std::vector<std::u16string>> parsePhrases(std::string_view bytes);

#endif
