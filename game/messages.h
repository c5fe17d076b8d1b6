// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef MESSAGES_H
#define MESSAGES_H

#include <cstddef>
#include <string>
#include <vector>

// What the game says on its text panel, one item a line; an empty item is an empty
// line. Every line of text begins with one space, the panel's left margin. The lines we
// word ourselves (the credits) fit the window's designed width, 792 pixels.
namespace Messages {

using Lines = std::vector<std::u16string>;

Lines help();
Lines credits();
Lines loadReport(std::size_t phraseCount);
Lines loadWarning();
Lines startPrompt();

} // namespace Messages

#endif
