// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messages.h"

namespace Messages {

QStringList help()
{
    return {
        QString(),
        QStringLiteral(" Acutrix automatically searches and loads "),
        QStringLiteral(" the file : Tilde.TXT."),
        QStringLiteral(" Make sure that the EXE file and the TXT file are  "),
        QStringLiteral(" the same folder."),
        QString(),
        QStringLiteral(" Click START to begin the test."),
        QString(),
        QStringLiteral(" Click the letters to add/remove the tilde."),
        QString(),
        QStringLiteral(" Double-click the background to submit your answer."),
        QString(),
        QStringLiteral(" If your answer is correct,a new phrase will show up!"),
    };
}

QStringList credits()
{
    return {
        QString(),
        QStringLiteral(" Acutrix, the acute accent quiz."),
        QString(),
        QStringLiteral(" Written by the Acutrix developers."),
        QString(),
        QStringLiteral(" Made with C++, Qt and Comfortaa."),
        QString(),
        QStringLiteral(" Free software: GNU GPL 3 or later."),
        QStringLiteral(" Thanks to every teacher!"),
    };
}

QStringList loadReport(qsizetype phraseCount)
{
    return {
        QString(),
        QStringLiteral(" Tilde.TXT Loaded."),
        QStringLiteral(" File contains : ") + u' ' + QString::number(phraseCount)
            + QStringLiteral(" phrases."),
        QString(),
        QStringLiteral(" Click START to begin the test."),
        QStringLiteral(" Click HELP to read the instructions."),
    };
}

QStringList loadWarning()
{
    return {
        QString(),
        QStringLiteral(" WARNING : Unable to load file Tilde.TXT"),
        QStringLiteral(" This file contains the phrases for the test."),
        QString(),
        QStringLiteral(" You can manually create/customize a new one."),
        QStringLiteral(" Remember that Acutrix.EXE and Tilde.TXT "),
        QStringLiteral(" must be placed in the same folder."),
    };
}

QStringList startPrompt()
{
    return {QString(), QStringLiteral(" Press START to being test ! ")};
}

} // namespace Messages
