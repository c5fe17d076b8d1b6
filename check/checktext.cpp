// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "checktext.h"

#include "diacriticwords.h"
#include "latinletters.h"
#include "phrasechecker.h"

#include <cstring>

namespace {

QString wide(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

} // namespace

QString CheckText::severity(Severity severity)
{
    switch (severity) {
    case Severity::Error:
        return QStringLiteral("error");
    case Severity::Warning:
        return QStringLiteral("warning");
    default:
        return QStringLiteral("note");
    }
}

QString CheckText::wordClass(const WordAccent &accent)
{
    QString ending;
    switch (accent.ending) {
    case WordEnding::Vowel:
        ending = tr("a vowel");
        break;
    case WordEnding::N:
        ending = QStringLiteral("n");
        break;
    case WordEnding::S:
        ending = QStringLiteral("s");
        break;
    default:
        ending = tr("a consonant other than n or s");
    }
    switch (accent.stressClass) {
    case StressClass::Monosyllable:
        return tr("monosyllable");
    case StressClass::Aguda:
        return tr("aguda ending in %1").arg(ending);
    case StressClass::Llana:
        return tr("llana ending in %1").arg(ending);
    case StressClass::Esdrujula:
        return tr("esdrújula");
    default:
        return tr("sobresdrújula");
    }
}

QString CheckText::finding(const Finding &finding)
{
    const QString text = wide(finding.text);
    switch (finding.kind) {
    case FindingKind::ForbiddenAccent:
        return tr("«%1» (%2, %3) takes no written accent")
            .arg(text, wide(markedSyllables(finding.accent)), wordClass(finding.accent));
    case FindingKind::TwoAccents:
        return tr("«%1» has more than one written accent").arg(text);
    case FindingKind::UntoggleableAccent:
        return tr("«%1»: a mark the game cannot toggle; write the vowel with an acute "
                  "accent (á) or with none")
            .arg(text);
    case FindingKind::Mojibake:
        return tr("«%1»: UTF-8 text that was read as Windows-1252 and saved again").arg(text);
    case FindingKind::UnknownWord: {
        if (finding.suggestions.empty())
            return tr("«%1» is not in the Spanish dictionary").arg(text);
        QStringList suggestions;
        for (const std::u16string &suggestion : finding.suggestions)
            suggestions << wide(suggestion);
        return tr("«%1» is not in the Spanish dictionary; did you mean: %2?")
            .arg(text, suggestions.join(QStringLiteral(", ")));
    }
    case FindingKind::TooLong:
        return tr("the phrase has %1 characters; the board shows only the first %2")
            .arg(finding.number)
            .arg(BoardCharacters);
    case FindingKind::JoinedAccent:
        return tr("«%1»: a vowel followed by a combining accent (U+0301), joined into one "
                  "letter when read")
            .arg(text);
    case FindingKind::Repeated:
        return tr("the same phrase as line %1").arg(finding.number);
    default:
        return tr("the phrase has no accent to restore");
    }
}

QString CheckText::explanation(const ExplainedWord &word)
{
    const QString text = wide(word.word);
    const QString syllables = wide(markedSyllables(word.accent));
    const QString kind = wordClass(word.accent);
    const QString partner = wide(diacriticPartner(lowerLatin(word.word)));
    if (word.why == ExplainWhy::PlainPartner)
        return tr("%1: %2, %3: no written accent here; «%4», with one, is another word")
            .arg(text, syllables, kind, partner);
    if (word.why == ExplainWhy::LlanaInNS || word.accent.verdict == AccentVerdict::None)
        return tr("%1: %2, %3: no written accent").arg(text, syllables, kind);
    if (word.accent.writtenAccents > 1)
        return tr("%1: %2: more than one written accent, which is wrong").arg(text, syllables);
    switch (word.accent.verdict) {
    case AccentVerdict::Forbidden:
        return tr("%1: %2, %3: no written accent; this one is wrong").arg(text, syllables, kind);
    case AccentVerdict::Allowed:
        return tr("%1: %2, %3: diacritical accent; «%4», without it, is another word")
            .arg(text, syllables, kind, partner);
    default:
        break;
    }
    if (word.accent.reason == AccentReason::Hiatus)
        return tr("%1: %2, %3: written accent, for the stressed i or u beside a, e or o")
            .arg(text, syllables, kind);
    return tr("%1: %2, %3: written accent").arg(text, syllables, kind);
}

QString CheckText::readFailure(const QString &path, const PhraseFileBytes &file)
{
    switch (file.failure) {
    case ReadFailure::Missing:
        return tr("%1: no such file").arg(path);
    case ReadFailure::Folder:
        return tr("%1: a folder, not a phrase file").arg(path);
    case ReadFailure::NotRegular:
        return tr("%1: not a regular file").arg(path);
    case ReadFailure::TooLarge:
        return tr("%1: larger than 64 MiB; a phrase file that large is refused").arg(path);
    default:
        return tr("%1: cannot be read: %2")
            .arg(path, QString::fromLocal8Bit(std::strerror(file.error)));
    }
}

QString CheckText::notText(const QString &path)
{
    return tr("%1: not text that can be read").arg(path);
}

QString CheckText::controlCharacter(const QString &path, std::size_t line, char16_t c)
{
    return tr("%1:%2: a control character (U+%3): not a text file")
        .arg(path)
        .arg(line)
        .arg(uint(c), 4, 16, QLatin1Char('0'));
}

QString CheckText::noDictionary(const QString &path)
{
    return tr("the Spanish dictionary %1 cannot be read; spelling is not checked").arg(path);
}

QString CheckText::unreadableWordList(const QString &path)
{
    return tr("%1: the list of allowed words cannot be read").arg(path);
}

QString CheckText::usage()
{
    return tr("Usage: acutrix-check [--explain] [--allow-words LIST] FILE\n"
              "       acutrix-check --syllables WORD...\n"
              "Checks the phrase file FILE and reports each fault as FILE:LINE:COLUMN: "
              "error|warning|note: message.\n"
              "  --explain          print each phrase and the rule behind each accent\n"
              "  --allow-words LIST also accept the words of LIST, one a line (# comments)\n"
              "  --syllables        print each WORD, its syllables and the stressed one's "
              "place from the end\n"
              "Exit status: 0 no error, 1 an error found, 2 the file cannot be read.");
}
