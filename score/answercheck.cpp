// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "answercheck.h"

#include <limits>

bool isCorrectAnswer(const QString &answer, const QString &phrase, bool boardFull,
                     qsizetype tileCharacters)
{
    if (boardFull)
        return answer == QStringView(phrase).left(tileCharacters);
    return answer == phrase;
}

qint16 addMiss(qint16 misses)
{
    return misses == std::numeric_limits<qint16>::max() ? misses : qint16(misses + 1);
}
