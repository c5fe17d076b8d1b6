// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The draws: the program's random source, which of n parts a draw falls in, and the
// background colour it picks.
#include "backgroundpalette.h"
#include "drawindex.h"
#include "randomsource.h"

#include <QTest>

#include <cmath>

using Wide = unsigned __int128;

// The largest double below j / n: the quotient rounded to nearest, or the double below it
// when r = m * 2^(e - 53) is not below j / n in integer arithmetic.
static double largestBelow(qint64 j, qint64 n)
{
    int e;
    const double r = double(j) / double(n);
    const Wide m = Wide(std::ldexp(std::frexp(r, &e), 53));
    return m * Wide(n) < Wide(j) << (53 - e) ? r : std::nextafter(r, 0.0);
}

class TestLook : public QObject
{
    Q_OBJECT

private slots:
    // Every draw lies in [0, 1), and the draws reach its top; the fraction of a second
    // counts in the seed.
    void randomSource()
    {
        MersenneRandom random;
        random.seed(45296.25f);
        double highest = 0;
        for (int i = 0; i < 100000; ++i) {
            const double r = random.next();
            QVERIFY(r >= 0);
            QVERIFY(r < 1);
            highest = std::max(highest, r);
        }
        QVERIFY(highest > 0.99);
        random.seed(45296.25f);
        MersenneRandom later;
        later.seed(45296.5f);
        QVERIFY(random.next() != later.next());
    }

    // A draw r falls in part floor(r * n) of n, on the exact product: the double product
    // rounds onto j for many draws just below j / n.
    void parts()
    {
        for (qint64 n : {2, 3, 7, 10, 49, 1000, 32768, 1000003, 123456789}) {
            for (qint64 j = 1; j <= n; j += std::max<qint64>(1, n / 300)) {
                QCOMPARE(drawIndex(largestBelow(j, n), n), j - 1);
                if (j < n)
                    QCOMPARE(drawIndex(std::nextafter(largestBelow(j, n), 1.0), n), j);
            }
        }
    }

    // The background is number 1 to 7 of dark blue, green, red, purple, grey, brownish red
    // and black, by the seventh of [0, 1) a draw falls in.
    void backgrounds()
    {
        const Rgb colours[7] = {{0, 0, 64},   {0, 64, 0},    {64, 0, 0}, {64, 0, 64},
                                {64, 64, 64}, {128, 64, 64}, {0, 0, 0}};
        for (int k = 1; k <= 7; ++k) {
            QCOMPARE(paletteNumber(largestBelow(k, 7)), k);
            QCOMPARE(rgbOf(backgroundFor(largestBelow(k, 7))), colours[k - 1]);
        }
    }
};

QTEST_GUILESS_MAIN(TestLook)
#include "tst_look.moc"
