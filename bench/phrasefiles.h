// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PHRASEFILES_H
#define PHRASEFILES_H

#include <QByteArray>
#include <QString>

#include <cstdint>

// Phrase files made up for the benchmarks from a small stock of Spanish words, many with
// acute accents, so that every file of a given size and seed is the same.

enum class PhraseEncoding { Windows1252, Utf8 };

// count phrases of two to ten words, one a line; Windows-1252 files end their lines in
// CR LF as Windows editors save them, UTF-8 files in LF.
QByteArray phraseFile(qsizetype count, PhraseEncoding encoding, std::uint32_t seed = 1);

// A phrase of exactly `length` characters, words with single spaces between them and no
// space at either end.
QString phraseOfLength(qsizetype length, std::uint32_t seed = 1);

#endif
