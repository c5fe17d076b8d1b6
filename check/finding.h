// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef FINDING_H
#define FINDING_H

#include "accentrule.h"

#include <string>
#include <vector>

enum class Severity { Error, Warning, Note };

enum class FindingKind {
    ForbiddenAccent, // error: a written accent that no rule gives the word
    TwoAccents, // error: more than one written accent in a word
    UntoggleableAccent, // error: à, ê, a combining mark the reader leaves apart ...
    Mojibake, // error: UTF-8 once read as Windows-1252 ("canciÃ³n")
    UnknownWord, // warning: not in the dictionary, with its suggestions
    TooLong, // warning: longer than the board
    JoinedAccent, // note: a vowel and U+0301, joined into one letter when read
    Repeated, // note: the same phrase as an earlier line
    NothingToRestore, // note: no accented vowel
};

Severity severityOf(FindingKind kind);

// One thing found in a line of a phrase file. Lines and columns count from 1; a column
// counts characters of the line as the file holds it.
struct Finding {
    std::size_t line = 0;
    std::size_t column = 0;
    FindingKind kind = FindingKind::ForbiddenAccent;
    std::u16string text; // the word or characters concerned
    WordAccent accent; // ForbiddenAccent: what the rules say
    std::vector<std::u16string> suggestions; // UnknownWord
    std::size_t number = 0; // Repeated: the earlier line; TooLong: the phrase's length
};

#endif
