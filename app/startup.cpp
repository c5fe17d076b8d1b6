// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "startup.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QScreen>
#include <QTime>
#include <QWidget>

namespace {

// The installed families are looked up in the list of them: QFontDatabase::hasFamily
// would first ask fontconfig to resolve each name as an alias, which costs more than
// everything else the program does before its first frame.
void substituteFace(const QStringList &installed, const QString &face,
                    const QStringList &substitutes)
{
    if (!installed.contains(face, Qt::CaseInsensitive))
        QFont::insertSubstitutions(face, substitutes);
}

char defaultProgramName[] = "acutrix";

ProgramNameOnly programName(int argc, char *argv[])
{
    ProgramNameOnly only;
    only.argv[0] = argc > 0 && argv[0] ? argv[0] : defaultProgramName;
    return only;
}

} // namespace

AcutrixApplication::AcutrixApplication(int commandArgc, char *commandArgv[])
    : ProgramNameOnly(programName(commandArgc, commandArgv))
    , QApplication(ProgramNameOnly::argc, ProgramNameOnly::argv)
{
    setApplicationName(QStringLiteral("Acutrix"));
    setDesktopFileName(QStringLiteral("io.github.acutrix.Acutrix"));
    const QStringList installed = QFontDatabase::families();
    substituteFace(installed, QStringLiteral("MS Sans Serif"), {QStringLiteral("DejaVu Sans")});
    substituteFace(installed, QStringLiteral("Verdana"), {QStringLiteral("DejaVu Sans")});
    substituteFace(
        installed, QStringLiteral("Arial Rounded MT Bold"),
        {QStringLiteral("Comfortaa"), QStringLiteral("Quicksand"), QStringLiteral("DejaVu Sans")});
}

float secondsSinceMidnight()
{
    return float(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
}

void showMainWindow(QWidget &window)
{
    if (QScreen *screen = window.screen())
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    window.activateWindow();
}
