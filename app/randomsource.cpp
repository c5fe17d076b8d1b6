// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "randomsource.h"

#include <QTime>

#include <bit>

void MersenneRandom::seed(float secondsSinceMidnight)
{
    m_engine.seed(std::bit_cast<std::uint32_t>(secondsSinceMidnight));
}

double MersenneRandom::next()
{
    // The top 53 bits as a fraction: exactly representable, never 1.
    return double(m_engine() >> 11) * 0x1.0p-53;
}

float secondsSinceMidnight()
{
    return float(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
}
