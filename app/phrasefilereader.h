// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PHRASEFILEREADER_H
#define PHRASEFILEREADER_H

#include <QString>

#include <optional>
#include <string>

inline constexpr char PhraseFileName[] = "Tilde.txt";

// The path of the phrase file in a folder: "Tilde.txt" itself when anything has that
// name, else a file whose name differs from it only in letter case, else empty.
QString locatePhraseFile(const QString &folder);

// The bytes of the phrase file in a folder, or nothing when it is missing, is not a
// regular file, cannot be read or is larger than MaxPhraseFileBytes. Only ever reads.
std::optional<std::string> readPhraseFile(const QString &folder);

#endif
