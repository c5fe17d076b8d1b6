// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The background colour of a game: one draw r picks number floor(r * 7) + 1 of seven dark
// colours, the whole part taken on the exact product, as for the play queue's draws.
#include "backgroundpalette.h"
#include "drawindex.h"

#include <QTest>

#include <cmath>

// Dark blue, dark green, dark red, dark purple, dark grey, brownish red and black.
static const Rgb Colours[7] = {{0, 0, 64}, {0, 64, 0}, {64, 0, 0}, {64, 0, 64}, {64, 64, 64}, {128, 64, 64}, {0, 0, 0}};

using Wide = unsigned __int128;

// r = mantissa * 2^-shift exactly, for 0 < r < 1.
static void split(double r, Wide &mantissa, int &shift)
{
    int exponent = 0;
    const double fraction = std::frexp(r, &exponent);
    mantissa = Wide(std::ldexp(fraction, 53));
    shift = 53 - exponent;
}

// Whether r < j / n, in integer arithmetic.
static bool below(double r, qint64 j, qint64 n)
{
    Wide mantissa;
    int shift;
    split(r, mantissa, shift);
    return mantissa * Wide(n) < Wide(j) << shift;
}

// The largest double below j / n, for 0 < j <= n.
static double largestBelow(qint64 j, qint64 n)
{
    double r = double(j) / double(n);
    while (!below(r, j, n))
        r = std::nextafter(r, 0.0);
    while (below(std::nextafter(r, 1.0), j, n))
        r = std::nextafter(r, 1.0);
    return r;
}

class TestBackgroundPalette : public QObject
{
    Q_OBJECT

private slots:
    void colourFromDraw_data()
    {
        QTest::addColumn<double>("r"); QTest::addColumn<int>("number");
        QTest::newRow("zero") << 0.0 << 1;
        QTest::newRow("just under one") << std::nextafter(1.0, 0.0) << 7;
        for (int k = 1; k <= 6; ++k) {
            const double last = largestBelow(k, 7);
            QTest::addRow("largest draw below %d/7", k) << last << k;
            QTest::addRow("smallest draw from %d/7", k) << std::nextafter(last, 1.0) << k + 1;
        }
    }
    void colourFromDraw()
    {
        QFETCH(double, r); QFETCH(int, number);
        QCOMPARE(paletteNumber(r), number);
        const Rgb &rgb = Colours[number - 1];
        const BgrColour colour = backgroundFor(r);
        QCOMPARE(colour, BgrColour(rgb.blue << 16 | rgb.green << 8 | rgb.red)); // written 0xBBGGRR
        QVERIFY(rgbOf(colour) == rgb);
    }

    // The double product r * n rounds up onto j for many of these draws.
    void drawIndexAtEveryBoundary_data()
    {
        QTest::addColumn<qint64>("n");
        for (qint64 n : {2, 3, 5, 7, 10, 49, 100, 1000, 32767, 32768, 1000003, 123456789})
            QTest::addRow("n = %lld", n) << n;
    }
    void drawIndexAtEveryBoundary()
    {
        QFETCH(qint64, n);
        const qint64 step = std::max<qint64>(1, n / 500);
        for (qint64 j = 1; j < n; j += step) {
            const double last = largestBelow(j, n);
            QCOMPARE(drawIndex(last, n), j - 1);
            QCOMPARE(drawIndex(std::nextafter(last, 1.0), n), j);
        }
        QCOMPARE(drawIndex(0.0, n), qint64(0));
        QCOMPARE(drawIndex(std::nextafter(1.0, 0.0), n), n - 1);
    }
};

QTEST_GUILESS_MAIN(TestBackgroundPalette)
#include "tst_backgroundPalette.moc"
