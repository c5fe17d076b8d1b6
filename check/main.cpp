// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// acutrix-check: checks a phrase file and explains its accents, or splits words into
// syllables. The phrase file is only ever read.
#include "checktext.h"
#include "explainer.h"
#include "phrasechecker.h"
#include "phrasefile.h"
#include "phrasefilebytes.h"
#include "slim.h"
#include "spelldictionary.h"
#include "syllables.h"

#include <QFile>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include <cstdio>

namespace {

enum ExitStatus { Clean = 0, ErrorFound = 1, Unreadable = 2 };

void print(std::FILE *stream, const QString &line)
{
    const QByteArray bytes = (line + u'\n').toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
}

QString wide(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

int printSyllables(const QStringList &words)
{
    for (const QString &word : words) {
        const WordAccent accent = analyseWord(word.toStdU16String());
        QStringList syllables;
        for (const std::u16string &syllable : accent.syllables)
            syllables << wide(syllable);
        print(stdout,
              word + u'\t' + syllables.join(u'-') + u'\t' + QString::number(accent.stressFromEnd));
    }
    return Clean;
}

// The first character below U+0020 other than a tab, and its line; a text file has none.
bool findControlCharacter(const std::vector<std::u16string> &lines, std::size_t &line,
                          char16_t &character)
{
    for (std::size_t index = 0; index < lines.size(); ++index) {
        for (const char16_t c : lines[index]) {
            if (c < 0x20 && c != u'\t') {
                line = index + 1;
                character = c;
                return true;
            }
        }
    }
    return false;
}

void explain(const std::vector<std::u16string> &lines)
{
    for (const std::u16string &line : lines) {
        const std::u16string phrase = Slim(joinAccents(line));
        if (phrase.empty())
            continue;
        print(stdout, wide(phrase));
        for (const ExplainedWord &word : wordsToExplain(phrase))
            print(stdout, QStringLiteral("  ") + CheckText::explanation(word));
    }
}

// Word<TAB>reason lines; # starts a comment.
bool allowWords(const QString &path, SpellDictionary &dictionary)
{
    QFile list(path);
    if (!list.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &line : list.readAll().split('\n')) {
        if (line.startsWith('#'))
            continue;
        const QString word = QString::fromUtf8(line).section(u'\t', 0, 0).trimmed();
        if (!word.isEmpty())
            dictionary.allow(word.toStdU16String());
    }
    return true;
}

int check(const QString &path, const std::vector<std::u16string> &lines, const QString &allowList)
{
    SpellDictionary dictionary;
    const std::filesystem::path affixFile = SpellDictionary::defaultAffixFile();
    const bool spelling = dictionary.load(affixFile);
    if (!spelling)
        print(stderr, CheckText::noDictionary(QString::fromStdString(affixFile.string())));
    if (!allowList.isEmpty() && !allowWords(allowList, dictionary)) {
        print(stderr, CheckText::unreadableWordList(allowList));
        return Unreadable;
    }
    bool error = false;
    for (const Finding &finding : checkLines(lines, spelling ? &dictionary : nullptr)) {
        const Severity severity = severityOf(finding.kind);
        error = error || severity == Severity::Error;
        print(stdout,
              QStringLiteral("%1:%2:%3: %4: %5")
                  .arg(path)
                  .arg(finding.line)
                  .arg(finding.column)
                  .arg(CheckText::severity(severity), CheckText::finding(finding)));
    }
    return error ? ErrorFound : Clean;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTranslator translator;
    if (translator.load(QLocale(), QStringLiteral("acutrix-check"), QStringLiteral("_"),
                        QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(&translator);

    bool explainMode = false;
    bool syllablesMode = false;
    QString allowList;
    QStringList operands;
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (!operands.isEmpty() || !argument.startsWith(u'-') || argument == u"-") {
            operands << argument;
        } else if (argument == u"--explain") {
            explainMode = true;
        } else if (argument == u"--syllables") {
            syllablesMode = true;
        } else if (argument == u"--allow-words" && i + 1 < arguments.size()) {
            allowList = arguments[++i];
        } else if (argument == u"--help" || argument == u"-h") {
            print(stdout, CheckText::usage());
            return Clean;
        } else if (argument == u"--") {
            operands = arguments.mid(i + 1);
            break;
        } else {
            print(stderr, CheckText::usage());
            return Unreadable;
        }
    }
    if (syllablesMode)
        return printSyllables(operands);
    if (operands.size() != 1) {
        print(stderr, CheckText::usage());
        return Unreadable;
    }

    const QString path = operands.front();
    const PhraseFileBytes file = readPhraseFileBytes(QFile::encodeName(path).toStdString());
    if (file.failure != ReadFailure::None) {
        print(stderr, CheckText::readFailure(path, file));
        return Unreadable;
    }
    const std::optional<std::vector<std::u16string>> decoded = decodedLines(file.bytes);
    if (!decoded) {
        print(stderr, CheckText::notText(path));
        return Unreadable;
    }
    const std::vector<std::u16string> &lines = *decoded;
    std::size_t line = 0;
    char16_t control = 0;
    if (findControlCharacter(lines, line, control)) {
        print(stderr, CheckText::controlCharacter(path, line, control));
        return Unreadable;
    }
    if (explainMode) {
        explain(lines);
        return Clean;
    }
    return check(path, lines, allowList);
}
