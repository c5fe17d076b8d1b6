// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef STARTUP_H
#define STARTUP_H

#include <QApplication>

// The program's command line as the toolkit sees it: the program name alone. Acutrix
// takes no options, and the toolkit's own (-reverse, -style, -stylesheet,
// -qwindowgeometry ...) would change the window.
struct ProgramNameOnly {
    int argc = 1;
    char *argv[2] = {nullptr, nullptr};
};

// The application object of Acutrix. It names the program to the desktop and maps the
// window's faces onto fonts that Debian ships, where the faces themselves are not
// installed. The platform's environment (QT_QPA_PLATFORM, QT_SCALE_FACTOR ...) still
// applies, as for any Qt program.
class AcutrixApplication : private ProgramNameOnly, public QApplication
{
public:
    AcutrixApplication(int commandArgc, char *commandArgv[]);
};

// Seconds since midnight, local time, with the fraction: the game's time of day.
float secondsSinceMidnight();

// Shows the window maximised on its screen. Without a window manager a maximised window
// keeps its small size, so it is given the screen's free area first.
void showMainWindow(QWidget &window);

#endif
