// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CHECKTEXT_H
#define CHECKTEXT_H

#include "explainer.h"
#include "finding.h"
#include "phrasefilebytes.h"

#include <QCoreApplication>
#include <QString>

// The checker's words for what it finds and explains, in the language of the locale
// (Spanish for es_*, English otherwise) through Qt's translations.
class CheckText
{
    Q_DECLARE_TR_FUNCTIONS(CheckText)

public:
    // "error", "warning" or "note": kept in English, the words editors look for.
    static QString severity(Severity severity);
    static QString finding(const Finding &finding);
    static QString explanation(const ExplainedWord &word);
    static QString readFailure(const QString &path, const PhraseFileBytes &file);
    static QString notText(const QString &path);
    static QString controlCharacter(const QString &path, std::size_t line, char16_t c);
    static QString noDictionary(const QString &path);
    static QString unreadableWordList(const QString &path);
    static QString usage();

private:
    // "llana ending in n", "monosyllable", "esdrújula".
    static QString wordClass(const WordAccent &accent);
};

#endif
