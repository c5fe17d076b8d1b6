// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PHRASEFILE_H
#define PHRASEFILE_H

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

inline constexpr char PhraseFileName[] = "Tilde.txt";

// Larger files are refused rather than read into memory.
inline constexpr qint64 MaxPhraseFileBytes = 64 * 1024 * 1024;

// Windows-1252, byte by byte; the five bytes it leaves undefined keep their own value.
QString decodeWindows1252(QByteArrayView bytes);

// The phrases of a phrase file's bytes. Text editors on Linux save UTF-8, older phrase
// files are Windows-1252: the bytes are read as UTF-8 when they are valid UTF-8 and hold
// at least one multi-byte sequence (a leading byte-order mark is dropped), and as
// Windows-1252 otherwise. Lines end at CR, CR LF and LF; each is folded with Slim, and
// the lines that are not empty are kept in file order. A line end at the very end adds
// no line.
QStringList parsePhrases(QByteArrayView bytes);

// The path of the phrase file in a folder: "Tilde.txt" itself when anything has that
// name, else a file whose name differs from it only in letter case, else empty.
QString locatePhraseFile(const QString &folder);

// The bytes of the phrase file in a folder, or nothing when it is missing, is not a
// regular file, cannot be read or is larger than MaxPhraseFileBytes. Only ever reads.
std::optional<QByteArray> readPhraseFile(const QString &folder);

#endif
