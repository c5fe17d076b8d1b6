// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PHRASEFILEBYTES_H
#define PHRASEFILEBYTES_H

#include <string>

enum class ReadFailure { None, Missing, Folder, NotRegular, TooLarge, Unreadable };

struct PhraseFileBytes {
    std::string bytes;
    ReadFailure failure = ReadFailure::None;
    int error = 0; // errno of an Unreadable file
};

// The bytes of the file at a path, which is only ever read: refused when it is missing,
// a folder, not a regular file (a pipe or a device is never opened for reading) or larger
// than MaxPhraseFileBytes.
PhraseFileBytes readPhraseFileBytes(const std::string &path);

#endif
