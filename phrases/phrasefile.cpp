// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "phrasefile.h"

#include "accents.h"
#include "slim.h"

#include <utf8/core.h>
#include <utf8/unchecked.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

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

constexpr std::string_view utf8ByteOrderMark = "\xEF\xBB\xBF";

constexpr char16_t CombiningAcute = 0x0301;

// The place of the first byte with its high bit set among eight read as one word, from
// the mask of those bits.
std::size_t firstHighByte(std::uint64_t highBits)
{
    const int zeros = std::endian::native == std::endian::little ? std::countr_zero(highBits)
                                                                 : std::countl_zero(highBits);
    return std::size_t(zeros / 8);
}

// One line as UTF-8, or nothing when it is not valid UTF-8. Most characters of a
// Spanish phrase are ASCII: runs of them are copied eight bytes at a time, and utfcpp
// checks each sequence that starts with another byte before it is decoded. A mark that
// starts a line is a character of the phrase.
std::optional<std::u16string> decodeUtf8(std::string_view line)
{
    // A line never has more UTF-16 code units than bytes.
    std::u16string text(line.size(), u'\0');
    char16_t *out = text.data();
    std::size_t at = 0;
    while (at < line.size()) {
        std::size_t ascii = 0;
        if (at + 8 <= line.size()) {
            std::uint64_t eight = 0;
            std::memcpy(&eight, line.data() + at, 8);
            const std::uint64_t highBits = eight & 0x8080808080808080;
            ascii = highBits == 0 ? 8 : firstHighByte(highBits);
        } else if (static_cast<unsigned char>(line[at]) < 0x80) {
            ascii = 1;
        }
        for (std::size_t i = 0; i < ascii; ++i)
            *out++ = char16_t(static_cast<unsigned char>(line[at + i]));
        at += ascii;
        if (ascii > 0)
            continue;
        const auto lead = static_cast<unsigned char>(line[at]);
        const std::string_view sequence = line.substr(at, lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2);
        if (!utf8::is_valid(sequence.begin(), sequence.end()))
            return std::nullopt;
        auto next = sequence.begin();
        const std::uint32_t codePoint = utf8::unchecked::next(next);
        at += sequence.size();
        if (codePoint < 0x10000) {
            *out++ = char16_t(codePoint);
        } else {
            *out++ = char16_t(0xD800 + ((codePoint - 0x10000) >> 10));
            *out++ = char16_t(0xDC00 + ((codePoint - 0x10000) & 0x3FF));
        }
    }
    text.resize(std::size_t(out - text.data()));
    return text;
}

// What the reader's one pass over a line finds out besides its end.
struct LineFacts {
    // Whether Slim would change the line: a space at either end, or two in a row.
    bool spacesToFold;
    // Whether the line may hold U+0301, the combining acute accent: in UTF-8 that is
    // any line with the byte CC, which starts it.
    bool combiningAcute;
};

// Calls handleLine(line, facts) for each line, without its line end, until it returns
// false; false then. A line ends at CR LF, at LF or at CR; a line end at the very end
// adds no line. Line ends and spaces are bytes of their own in every encoding read,
// never part of a character.
template<typename Character, typename Function>
bool forEachLine(std::basic_string_view<Character> text, Function handleLine)
{
    const auto combiningAcute = Character(sizeof(Character) == 1 ? 0xCC : 0x0301);
    std::size_t lineStart = 0;
    while (lineStart < text.size()) {
        // One plain pass over the line finds its end and all the rest.
        std::size_t lineEnd = lineStart;
        bool doubleSpace = false;
        bool accent = false;
        Character before = 0;
        for (; lineEnd < text.size(); ++lineEnd) {
            const Character c = text[lineEnd];
            if (c == '\r' || c == '\n')
                break;
            doubleSpace |= c == ' ' && before == ' ';
            accent |= c == combiningAcute;
            before = c;
        }
        const std::basic_string_view<Character> line = text.substr(lineStart, lineEnd - lineStart);
        const bool spaceAtAnEnd = !line.empty() && (line.front() == ' ' || line.back() == ' ');
        if (!handleLine(line, LineFacts{doubleSpace || spaceAtAnEnd, accent}))
            return false;
        lineStart = lineEnd + 1;
        if (lineEnd + 1 < text.size() && text[lineEnd] == '\r' && text[lineEnd + 1] == '\n')
            ++lineStart;
    }
    return true;
}

// UTF-16 with its byte-order mark, as Windows Notepad's "Unicode" and many export tools
// save it: the code units after the mark, or nothing when the byte count is odd or a
// surrogate stands alone.
std::optional<std::u16string> decodeUtf16(std::string_view bytes, bool bigEndian)
{
    if (bytes.size() % 2 != 0)
        return std::nullopt;
    std::u16string text(bytes.size() / 2 - 1, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto first = static_cast<unsigned char>(bytes[2 * i + 2]);
        const auto second = static_cast<unsigned char>(bytes[2 * i + 3]);
        text[i] = bigEndian ? char16_t(first << 8 | second) : char16_t(second << 8 | first);
    }
    const auto isHigh = [](char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; };
    const auto isLow = [](char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; };
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isLow(text[i]))
            return std::nullopt;
        if (isHigh(text[i]) && !(i + 1 < text.size() && isLow(text[++i])))
            return std::nullopt;
    }
    return text;
}

// Calls handleLine(text, facts) for each line of the file with its decoded text; false
// when the bytes are no text that can be read. Bytes that are valid UTF-8 are read as
// UTF-8 (their byte-order mark dropped): they are decoded as such until a sequence shows
// they are not, and then, after startAgain(), from the start as Windows-1252. ASCII reads
// the same either way.
template<typename Function, typename Restart>
bool forEachDecodedLine(std::string_view bytes, Function handleLine, Restart startAgain)
{
    const std::string_view mark = bytes.substr(0, 4);
    // A UTF-32 mark starts like UTF-16's little-endian one; UTF-32 is not read.
    if (mark == std::string_view("\xFF\xFE\0\0", 4))
        return false;
    const bool littleEndian = mark.substr(0, 2) == "\xFF\xFE";
    if (littleEndian || mark.substr(0, 2) == "\xFE\xFF") {
        const std::optional<std::u16string> text = decodeUtf16(bytes, !littleEndian);
        if (!text)
            return false;
        return forEachLine(std::u16string_view(*text),
                           [&](std::u16string_view line, LineFacts facts) {
                               handleLine(std::u16string(line), facts);
                               return true;
                           });
    }
    std::string_view utf8 = bytes;
    if (utf8.substr(0, utf8ByteOrderMark.size()) == utf8ByteOrderMark)
        utf8.remove_prefix(utf8ByteOrderMark.size());
    const bool allUtf8 = forEachLine(utf8, [&](std::string_view line, LineFacts facts) {
        std::optional<std::u16string> text = decodeUtf8(line);
        if (text)
            handleLine(std::move(*text), facts);
        return text.has_value();
    });
    if (allUtf8)
        return true;
    startAgain();
    return forEachLine(bytes, [&](std::string_view line, LineFacts facts) {
        // Windows-1252 has no combining accent; its byte CC is the letter Ì.
        facts.combiningAcute = false;
        handleLine(decodeWindows1252(line), facts);
        return true;
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
    const auto keep = [&](std::u16string text, LineFacts) { lines.push_back(std::move(text)); };
    if (!forEachDecodedLine(bytes, keep, [&] { lines.clear(); }))
        return std::nullopt;
    return lines;
}

std::u16string joinAccents(std::u16string_view line)
{
    std::u16string joined;
    joined.reserve(line.size());
    for (const char16_t c : line) {
        if (c == CombiningAcute && !joined.empty()) {
            const auto pair = std::find_if(AccentPairs.begin(), AccentPairs.end(),
                                           [&](const auto &p) { return p.first == joined.back(); });
            if (pair != AccentPairs.end()) {
                joined.back() = pair->second;
                continue;
            }
        }
        joined.push_back(c);
    }
    return joined;
}

std::optional<std::vector<std::u16string>> parsePhrases(std::string_view bytes)
{
    // Room for every line at once: a list of a million phrases that grew by doubling
    // would be copied some twenty times over.
    const auto lineFeeds = std::size_t(std::count(bytes.begin(), bytes.end(), '\n'));
    const auto returns = std::size_t(std::count(bytes.begin(), bytes.end(), '\r'));
    std::vector<std::u16string> phrases;
    phrases.reserve(std::max(lineFeeds, returns) + 1);
    const auto keep = [&](std::u16string text, LineFacts facts) {
        // Accents typed as two code points are joined before anything counts the phrase.
        if (facts.combiningAcute)
            text = joinAccents(text);
        // Most lines have no spaces to fold, and are kept as decoded.
        if (facts.spacesToFold)
            text = Slim(text);
        if (!text.empty())
            phrases.push_back(std::move(text));
    };
    const bool read = forEachDecodedLine(bytes, keep, [&] { phrases.clear(); });
    if (!read)
        return std::nullopt;
    return phrases;
}
