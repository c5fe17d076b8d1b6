// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor of Acutrix's start-up: a bare Qt window built like Acutrix's and shown the
// plain way, with nothing of the game behind it. The same menu bar, an empty label in
// the report font, the load report's lines in the panel's font on a dark ground, shown
// maximised. It prints the time from the start of
// this process to the window's first painted frame, as acutrix_bench_firstframe does:
//   FIRSTFRAME|<microseconds>

#include "firstframe.h"
#include "messages.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPalette>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The faces Acutrix asks for, mapped onto the same installed fonts.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), {QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Verdana"), {QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(
        QStringLiteral("Arial Rounded MT Bold"),
        {QStringLiteral("Comfortaa"), QStringLiteral("Quicksand"), QStringLiteral("DejaVu Sans")});

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Acutrix"));
    QMenuBar *bar = window.menuBar();
    bar->setNativeMenuBar(false);
    bar->addAction(QStringLiteral("Start"));
    bar->addAction(QStringLiteral("Help"));
    bar->addAction(QStringLiteral("Credits"));

    QFont panelFont(QStringLiteral("MS Sans Serif"));
    panelFont.setPointSize(24);
    panelFont.setWeight(QFont::Bold);
    QStringList report;
    for (const std::u16string &line : Messages::loadReport(98))
        report << QString::fromStdU16String(line);
    auto *panel = new QLabel(report.join(u'\n'));
    panel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    panel->setFont(panelFont);
    panel->setAutoFillBackground(true);
    QPalette colours = panel->palette();
    colours.setColor(QPalette::Window, QColor(64, 0, 64));
    colours.setColor(QPalette::WindowText, Qt::white);
    panel->setPalette(colours);
    window.setCentralWidget(panel);

    QFont reportFont(QStringLiteral("Verdana"));
    reportFont.setPointSizeF(21.75);
    reportFont.setWeight(QFont::Bold);
    auto *reportLabel = new QLabel(panel);
    reportLabel->setFont(reportFont);

    FirstFrame firstFrame;
    window.installEventFilter(&firstFrame);
    // Under Xvfb no window manager maximises a window, so it is given the screen's free
    // area first, as Acutrix's is: both first frames then fill the screen.
    if (QScreen *screen = window.screen())
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    return firstFrame.report(app.exec());
}
