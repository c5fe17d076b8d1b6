// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef FIRSTFRAME_H
#define FIRSTFRAME_H

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QObject>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <unistd.h>

// The time from the start of a process to the first frame of its window, as the
// start-up benchmarks of Acutrix and of a bare Qt window both measure it.

inline double bootMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return double(now.tv_sec) * 1e6 + double(now.tv_nsec) / 1e3;
}

// The start of this process, in microseconds since boot, from field 22 of
// /proc/self/stat. The kernel keeps it in clock ticks (10 ms here), rounded down, so a
// start-up figure may come out up to one tick too long, never too short; both programs
// compared are measured the same way.
inline double processStartMicroseconds()
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

    // Prints FIRSTFRAME|<microseconds from process start> and returns the exit status.
    int report(int status) const
    {
        const double start = processStartMicroseconds();
        if (status != 0 || start < 0 || paintedAt <= 0) {
            std::fprintf(stderr, "no first frame measured\n");
            return 1;
        }
        std::printf("FIRSTFRAME|%.0f\n", paintedAt - start);
        return 0;
    }

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

#endif
