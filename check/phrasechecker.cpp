// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "phrasechecker.h"

#include "accentrule.h"
#include "latinletters.h"
#include "slim.h"
#include "spelldictionary.h"

#include <algorithm>
#include <unordered_map>

Severity severityOf(FindingKind kind)
{
    switch (kind) {
    case FindingKind::UnknownWord:
    case FindingKind::TooLong:
        return Severity::Warning;
    case FindingKind::Repeated:
    case FindingKind::NothingToRestore:
        return Severity::Note;
    default:
        return Severity::Error;
    }
}

namespace {

// Vowels with a mark that has no place in Spanish spelling and no tile to toggle it:
// grave, circumflex, tilde and diaeresis (ü aside, which Spanish writes).
bool isForeignVowel(char16_t c)
{
    static constexpr std::u16string_view lower = u"àèìòùâêîôûãõäëïö";
    static constexpr std::u16string_view upper = u"ÀÈÌÒÙÂÊÎÔÛÃÕÄËÏÖ";
    return lower.find(c) != std::u16string_view::npos || upper.find(c) != std::u16string_view::npos;
}

// What the bytes 0x80 to 0xBF, the second byte of a two-byte UTF-8 letter, become when
// read as Windows-1252: Ã or Â followed by one of them is UTF-8 read the wrong way.
bool isContinuationAs1252(char16_t c)
{
    static constexpr std::u16string_view high = u"€‚ƒ„…†‡ˆ‰Š‹Œ"
                                                u"Ž‘’“”•–—˜™š›œžŸ";
    return (c >= 0x80 && c <= 0xBF) || high.find(c) != std::u16string_view::npos;
}

// Columns count characters: a surrogate pair is one.
std::size_t columnOf(std::u16string_view line, std::size_t offset)
{
    std::size_t column = 1;
    for (std::size_t i = 0; i < offset; ++i) {
        const bool second = line[i] >= 0xDC00 && line[i] <= 0xDFFF && i > 0
                            && line[i - 1] >= 0xD800 && line[i - 1] <= 0xDBFF;
        if (!second)
            ++column;
    }
    return column;
}

bool hasAcuteVowel(std::u16string_view text)
{
    for (const char16_t c : text) {
        if (isAcuteVowel(c))
            return true;
    }
    return false;
}

class LineChecker
{
public:
    LineChecker(std::size_t line, std::u16string_view text, std::vector<Finding> &findings)
        : m_line(line), m_text(text), m_findings(findings)
    {
    }

    Finding &add(FindingKind kind, std::size_t offset, std::u16string_view text)
    {
        Finding finding;
        finding.line = m_line;
        finding.column = columnOf(m_text, offset);
        finding.kind = kind;
        finding.text = std::u16string(text);
        m_findings.push_back(std::move(finding));
        return m_findings.back();
    }

    // Marks and letters the game cannot toggle, and UTF-8 read as Windows-1252. True when
    // the line holds such UTF-8, whose words are then not worth checking.
    bool checkCharacters()
    {
        bool mojibake = false;
        for (std::size_t i = 0; i < m_text.size(); ++i) {
            const char16_t c = m_text[i];
            const char16_t after = i + 1 < m_text.size() ? m_text[i + 1] : u'\0';
            const std::size_t mark = i > 0 ? i - 1 : i;
            if ((c == u'Ã' || c == u'Â') && isContinuationAs1252(after)) {
                add(FindingKind::Mojibake, i, m_text.substr(i, 2));
                mojibake = true;
                ++i;
            } else if (isCombiningMark(c)) {
                add(FindingKind::UntoggleableAccent, mark, m_text.substr(mark, i + 1 - mark));
            } else if (isForeignVowel(c)) {
                add(FindingKind::UntoggleableAccent, i, m_text.substr(i, 1));
            }
        }
        return mojibake;
    }

    void checkWords(SpellDictionary *dictionary)
    {
        for (const LineWord &word : wordsOf(m_text)) {
            const std::u16string_view text = word.text;
            bool untoggleable = false;
            for (const char16_t c : text)
                untoggleable = untoggleable || isCombiningMark(c) || isForeignVowel(c);
            if (untoggleable)
                continue;
            const WordAccent accent = analyseWord(text);
            if (accent.writtenAccents > 1)
                add(FindingKind::TwoAccents, word.offset, word.text);
            else if (accent.verdict == AccentVerdict::Forbidden)
                add(FindingKind::ForbiddenAccent, word.offset, word.text).accent = accent;
            if (dictionary && !dictionary->knows(text)) {
                add(FindingKind::UnknownWord, word.offset, word.text).suggestions =
                    dictionary->suggestions(text);
            }
        }
    }

private:
    std::size_t m_line;
    std::u16string_view m_text;
    std::vector<Finding> &m_findings;
};

} // namespace

std::vector<LineWord> wordsOf(std::u16string_view line)
{
    std::vector<LineWord> words;
    std::size_t i = 0;
    while (i < line.size()) {
        if (!isWordCharacter(line[i]) || isCombiningMark(line[i])) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < line.size() && isWordCharacter(line[i]))
            ++i;
        words.push_back({start, line.substr(start, i - start)});
    }
    return words;
}

std::vector<Finding> checkLines(const std::vector<std::u16string> &lines,
                                SpellDictionary *dictionary)
{
    std::vector<Finding> findings;
    std::unordered_map<std::u16string, std::size_t> firstLine;
    for (std::size_t index = 0; index < lines.size(); ++index) {
        const std::u16string &text = lines[index];
        const std::u16string phrase = Slim(text);
        if (phrase.empty())
            continue;
        LineChecker line(index + 1, text, findings);
        if (!line.checkCharacters())
            line.checkWords(dictionary);
        if (phrase.size() > BoardCharacters)
            line.add(FindingKind::TooLong, 0, {}).number = phrase.size();
        const auto [earlier, first] = firstLine.emplace(phrase, index + 1);
        if (!first)
            line.add(FindingKind::Repeated, 0, {}).number = earlier->second;
        if (!hasAcuteVowel(phrase))
            line.add(FindingKind::NothingToRestore, 0, {});
    }
    std::stable_sort(findings.begin(), findings.end(), [](const Finding &a, const Finding &b) {
        return a.line != b.line ? a.line < b.line : a.column < b.column;
    });
    return findings;
}
