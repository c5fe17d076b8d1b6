// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "phrasefile.h"

#include "slim.h"

#include <utf8/core.h>
#include <utf8/unchecked.h>

#include <algorithm>
#include <array>

namespace {

// Code points of the bytes 0x80 to 0x9F in Windows-1252.
constexpr std::array<char16_t, 32> windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Each byte as Windows-1252 reads it; the five bytes it leaves undefined keep their own value.
constexpr std::array<char16_t, 256> windows1252 = [] {
    std::array<char16_t, 256> table{};
    for (std::size_t byte = 0; byte < table.size(); ++byte)
        table[byte] = char16_t(byte);
    for (std::size_t byte = 0x80; byte <= 0x9F; ++byte)
        table[byte] = windows1252High[byte - 0x80];
    return table;
}();

bool isAscii(std::string_view bytes)
{
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return (static_cast<unsigned char>(c) & 0x80) == 0; });
}

constexpr std::string_view utf8ByteOrderMark = "\xEF\xBB\xBF";

// One line of valid UTF-8. Most characters of a Spanish phrase are ASCII and are copied
// as they are; the others go through the decoder. A mark that starts a line is a
// character of the phrase.
std::u16string decodeUtf8(std::string_view line)
{
    std::u16string text;
    text.reserve(line.size());
    auto at = line.begin();
    while (at != line.end()) {
        if ((static_cast<unsigned char>(*at) & 0x80) == 0) {
            text.push_back(char16_t(static_cast<unsigned char>(*at++)));
            continue;
        }
        const std::uint32_t codePoint = utf8::unchecked::next(at);
        if (codePoint < 0x10000) {
            text.push_back(char16_t(codePoint));
        } else {
            text.push_back(char16_t(0xD800 + ((codePoint - 0x10000) >> 10)));
            text.push_back(char16_t(0xDC00 + ((codePoint - 0x10000) & 0x3FF)));
        }
    }
    return text;
}

// Whether Slim would change the line: a space at either end, or two in a row.
bool hasSpacesToFold(std::string_view line)
{
    if (line.empty())
        return false;
    if (line.front() == ' ' || line.back() == ' ')
        return true;
    return line.find("  ") != std::string_view::npos;
}

// Calls handleLine(bytes) for each line, without its line end. A line ends at CR LF, at
// LF or at CR; a line end at the very end adds no line. Line ends and spaces are bytes of
// their own in both encodings, never part of a character.
template<typename Function>
void forEachLine(std::string_view text, Function handleLine)
{
    std::size_t lineStart = 0;
    while (lineStart < text.size()) {
        std::size_t lineEnd = text.find_first_of("\r\n", lineStart);
        if (lineEnd == std::string_view::npos)
            lineEnd = text.size();
        handleLine(text.substr(lineStart, lineEnd - lineStart));
        lineStart = lineEnd + 1;
        if (lineEnd + 1 < text.size() && text[lineEnd] == '\r' && text[lineEnd + 1] == '\n')
            ++lineStart;
    }
}

// Calls handleLine(bytes, text) for each line of the file with its decoded text.
template<typename Function>
void forEachDecodedLine(std::string_view bytes, Function handleLine)
{
    const bool utf8 = !isAscii(bytes) && utf8::is_valid(bytes.begin(), bytes.end());
    if (utf8 && bytes.substr(0, utf8ByteOrderMark.size()) == utf8ByteOrderMark)
        bytes.remove_prefix(utf8ByteOrderMark.size());
    forEachLine(bytes, [&](std::string_view line) {
        handleLine(line, utf8 ? decodeUtf8(line) : decodeWindows1252(line));
    });
}

} // namespace

std::u16string decodeWindows1252(std::string_view bytes)
{
    std::u16string text(bytes.size(), u'\0');
    std::transform(bytes.begin(), bytes.end(), text.begin(),
                   [](char c) { return windows1252[static_cast<unsigned char>(c)]; });
    return text;
}

std::optional<std::vector<std::u16string>> decodedLines(std::string_view bytes)
{
    std::vector<std::u16string> lines;
    forEachDecodedLine(
        bytes, [&](std::string_view, std::u16string text) { lines.push_back(std::move(text)); });
    return lines;
}

std::optional<std::vector<std::u16string>> parsePhrases(std::string_view bytes)
{
    std::vector<std::u16string> phrases;
    forEachDecodedLine(bytes, [&](std::string_view line, std::u16string text) {
        // Most lines have no spaces to fold, and are kept as decoded.
        if (hasSpacesToFold(line))
            text = Slim(text);
        if (!text.empty())
            phrases.push_back(std::move(text));
    });
    return phrases;
}
