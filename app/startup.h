#ifndef STARTUP_H
#define STARTUP_H

class QApplication;
class QWidget;

// Names the program to the desktop and maps the window's faces onto fonts that Debian
// ships, where the faces themselves are not installed.
void prepareApplication(QApplication &app);

// Shows the window maximised on its screen. Without a window manager a maximised window
// keeps its small size, so it is given the screen's free area first.
void showMainWindow(QWidget &window);

#endif
