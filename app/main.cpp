// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"
#include "randomsource.h"
#include "startup.h"

int main(int argc, char *argv[])
{
    AcutrixApplication app(argc, argv);
    Form1 window(std::make_unique<MersenneRandom>(), secondsSinceMidnight);
    showMainWindow(window);
    return app.exec();
}
