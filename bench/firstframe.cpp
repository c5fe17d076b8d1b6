// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts the window exactly as the program's main does and prints the time from the
// start of this process to the window's first painted frame, in microseconds:
//   FIRSTFRAME|<microseconds>
// Run it in the folder of the phrase file, on a real display server; it quits as soon
// as the first frame is on the screen.

#include "firstframe.h"
#include "form1.h"
#include "randomsource.h"
#include "startup.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    AcutrixApplication app(argc, argv);
    Form1 window(std::make_unique<MersenneRandom>(), secondsSinceMidnight);
    FirstFrame firstFrame;
    window.installEventFilter(&firstFrame);
    showMainWindow(window);
    const int status = app.exec();
    if (window.game().sourceList().empty())
        std::fprintf(stderr, "warning: no phrase file was loaded\n");
    return firstFrame.report(status);
}
