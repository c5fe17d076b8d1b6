// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messages.h"

#include "scorereport.h"

namespace Messages {

Lines help()
{
    return {
        u"",
        u" Acutrix automatically searches and loads ",
        u" the file : Tilde.TXT.",
        u" Make sure that the EXE file and the TXT file are  ",
        u" the same folder.",
        u"",
        u" Click START to begin the test.",
        u"",
        u" Click the letters to add/remove the tilde.",
        u"",
        u" Double-click the background to submit your answer.",
        u"",
        u" If your answer is correct,a new phrase will show up!",
    };
}

Lines credits()
{
    return {
        u"",
        u" Acutrix, the acute accent quiz.",
        u"",
        u" Written by the Acutrix developers.",
        u"",
        u" Made with C++, Qt and Comfortaa.",
        u"",
        u" Free software: GNU GPL 3 or later.",
        u" Thanks to every teacher!",
    };
}

Lines loadReport(std::size_t phraseCount)
{
    return {
        u"",
        u" Tilde.TXT Loaded.",
        u" File contains : " + numberText(phraseCount) + u" phrases.",
        u"",
        u" Click START to begin the test.",
        u" Click HELP to read the instructions.",
    };
}

Lines loadWarning()
{
    return {
        u"",
        u" WARNING : Unable to load file Tilde.TXT",
        u" This file contains the phrases for the test.",
        u"",
        u" You can manually create/customize a new one.",
        u" Remember that Acutrix.EXE and Tilde.TXT ",
        u" must be placed in the same folder.",
    };
}

Lines startPrompt()
{
    return {u"", u" Press START to being test ! "};
}

} // namespace Messages
