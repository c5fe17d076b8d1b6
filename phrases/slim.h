// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SLIM_H
#define SLIM_H

#include <QString>
#include <QStringView>

// Removes spaces (U+0020) at both ends and folds every run of spaces inside to one.
// No other character counts as a space: tabs and no-break spaces stay as they are.
QString Slim(QStringView text);

#endif
