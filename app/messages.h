// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef MESSAGES_H
#define MESSAGES_H

#include <QStringList>

// What the program says on its text panel, one item a line; an empty item is an
// empty line. Every line of text begins with one space, the panel's left margin. The
// lines we word ourselves (the credits) fit the window's designed width, 792 pixels.
namespace Messages {

QStringList help();
QStringList credits();
QStringList loadReport(qsizetype phraseCount);
QStringList loadWarning();
QStringList startPrompt();

} // namespace Messages

#endif
