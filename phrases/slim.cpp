// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "slim.h"

#include "accents.h"

QString Slim(QStringView text)
{
    const QStringView trimmed = trimSpaces(text);

    // trimmed[0] is never a space, so every i > 0 below has a neighbour to look at.
    // The characters are written straight into a buffer of the largest size the result
    // can have: a file holds many phrases, and appending one character at a time checks
    // the capacity for each.
    QString slim(trimmed.size(), Qt::Uninitialized);
    QChar *out = slim.data();
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        if (trimmed[i] == u' ' && trimmed[i - 1] == u' ')
            continue;
        *out++ = trimmed[i];
    }
    slim.truncate(out - slim.constData());
    return slim;
}
