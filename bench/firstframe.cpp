// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts the window exactly as the program's main does and prints the time from the
// start of this process to the window's first painted frame, in microseconds:
//   FIRSTFRAME|<microseconds>
// Run it in the folder of the phrase file, on a real display server; it quits as soon
// as the first frame is on the screen.

#include "form1.h"
#include "randomsource.h"
#include "startup.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace {

double bootMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return double(now.tv_sec) * 1e6 + double(now.tv_nsec) / 1e3;
}

// The start of this process, in microseconds since boot, from field 22 of
// /proc/self/stat. The kernel keeps it in clock ticks (10 ms here), rounded down, so a
// start-up figure may come out up to one tick too long, never too short.
double processStartMicroseconds()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = stat.readAll();
    // The command name, field 2, is in parentheses and may hold spaces.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    constexpr int startTimeField = 22 - 3; // fields counted from 3 after the name
    if (fields.size() <= startTimeField)
        return -1;
    return fields[startTimeField].toDouble() * 1e6 / double(sysconf(_SC_CLK_TCK));
}

// Notes the window's first paint event and quits once that frame has been painted and
// sent to the screen, which happens before the event loop gets back to its timers.
class FirstFrame : public QObject
{
public:
    double paintedAt = -1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && paintedAt < 0) {
            paintedAt = 0;
            QTimer::singleShot(0, this, [this] {
                paintedAt = bootMicroseconds();
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char *argv[])
{
    AcutrixApplication app(argc, argv);
    Form1 window(std::make_unique<MersenneRandom>(), secondsSinceMidnight);
    FirstFrame firstFrame;
    window.installEventFilter(&firstFrame);
    showMainWindow(window);
    const int status = app.exec();

    const double start = processStartMicroseconds();
    if (status != 0 || start < 0 || firstFrame.paintedAt <= 0) {
        std::fprintf(stderr, "no first frame measured\n");
        return 1;
    }
    if (window.sourceList().isEmpty())
        std::fprintf(stderr, "warning: no phrase file was loaded\n");
    std::printf("FIRSTFRAME|%.0f\n", firstFrame.paintedAt - start);
    return 0;
}
