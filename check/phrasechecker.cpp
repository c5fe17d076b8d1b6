// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "phrasechecker.h"

#include "accentrule.h"
#include "latinletters.h"
#include "phrasefile.h"
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
    case FindingKind::JoinedAccent:
    case FindingKind::Repeated:
    case FindingKind::NothingToRestore:
        return Severity::Note;
    default:
        return Severity::Error;
    }
}

namespace {

constexpr char16_t CombiningAcute = 0x0301;

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
// The vowels that the reader joins with a following U+0301.
bool isJoinableVowel(char16_t c)
{
    return std::u16string_view(u"aeiouAEIOU").find(c) != std::u16string_view::npos;
}

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
        const bool second = line[i] >= 0xDC00 && line[i] <= 0xDFFF && i > 0 && line[i - 1] >= 0xD800
            && line[i - 1] <= 0xDBFF;
        if (!second)
            ++column;
    }
    return column;
}

bool hasAcuteVowel(std::u16string_view text)
{
    for (const char16_t c : text) {
        if (c >= 0xC0 && isAcuteVowel(c))
            return true;
    }
    return false;
}

// Hashes a word given as a view too, so that looking a word up makes no copy of it.
struct WordHash {
    using is_transparent = void;
    std::size_t operator()(std::u16string_view word) const
    {
        return std::hash<std::u16string_view>()(word);
    }
};

// What a word brings to a line wherever it stands: its findings with no place yet.
using WordFindings =
    std::unordered_map<std::u16string, std::vector<Finding>, WordHash, std::equal_to<>>;

class LineChecker
{
public:
    LineChecker(std::size_t line, std::u16string_view text, std::vector<Finding> &findings)
        : m_line(line)
        , m_text(text)
        , m_findings(findings)
    { }

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
            if (c < 0xC0)
                continue; // ASCII and Latin-1 signs: most of any line
            const char16_t after = i + 1 < m_text.size() ? m_text[i + 1] : u'\0';
            const char16_t before = i > 0 ? m_text[i - 1] : u'\0';
            const std::size_t mark = i > 0 ? i - 1 : i;
            if ((c == u'Ã' || c == u'Â') && isContinuationAs1252(after)) {
                add(FindingKind::Mojibake, i, m_text.substr(i, 2));
                mojibake = true;
                ++i;
            } else if (c == CombiningAcute && isJoinableVowel(before)) {
                add(FindingKind::JoinedAccent, i - 1, m_text.substr(i - 1, 2));
            } else if (isCombiningMark(c)) {
                add(FindingKind::UntoggleableAccent, mark, m_text.substr(mark, i + 1 - mark));
            } else if (isForeignVowel(c)) {
                add(FindingKind::UntoggleableAccent, i, m_text.substr(i, 1));
            }
        }
        return mojibake;
    }

    // Each distinct word is judged once; its findings are then placed where it stands.
    void checkWords(SpellDictionary *dictionary, WordFindings &judged)
    {
        for (const LineWord &word : wordsOf(m_text)) {
            auto known = judged.find(word.text);
            if (known == judged.end())
                known = judged.emplace(word.text, judge(word.text, dictionary)).first;
            for (const Finding &finding : known->second) {
                m_findings.push_back(finding);
                m_findings.back().line = m_line;
                m_findings.back().column = columnOf(m_text, word.offset);
            }
        }
    }

private:
    // The word as the game reads it: its decomposed accents joined.
    static std::vector<Finding> judge(std::u16string_view written, SpellDictionary *dictionary)
    {
        std::vector<Finding> findings;
        const std::u16string word = joinAccents(written);
        for (const char16_t c : word) {
            if (isCombiningMark(c) || isForeignVowel(c))
                return findings; // already an error of its characters
        }
        const auto add = [&](FindingKind kind) -> Finding & {
            findings.emplace_back();
            findings.back().kind = kind;
            findings.back().text = word;
            return findings.back();
        };
        const WordAccent accent = analyseWord(word);
        if (accent.writtenAccents > 1)
            add(FindingKind::TwoAccents);
        else if (accent.verdict == AccentVerdict::Forbidden)
            add(FindingKind::ForbiddenAccent).accent = accent;
        if (dictionary && !dictionary->knows(word))
            add(FindingKind::UnknownWord).suggestions = dictionary->suggestions(word);
        return findings;
    }

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
    firstLine.reserve(lines.size());
    WordFindings judged;
    for (std::size_t index = 0; index < lines.size(); ++index) {
        const std::u16string &text = lines[index];
        const std::u16string phrase = Slim(joinAccents(text));
        if (phrase.empty())
            continue;
        LineChecker line(index + 1, text, findings);
        if (!line.checkCharacters())
            line.checkWords(dictionary, judged);
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
