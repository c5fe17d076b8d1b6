// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The draws: the game's random source and which of n parts a draw falls in (the colours
// they pick are checked through the game, in tst_game).
#include "randomsource.h"

#include <QTest>

#include <cmath>
#include <cstring>

using namespace Qt::StringLiterals;
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
    // A quarter of a second later is another seed.
    void seedKeepsTheFractionOfASecond()
    {
        MersenneRandom random;
        random.seed(45296.25f);
        MersenneRandom later;
        later.seed(45296.5f);
        QVERIFY(random.next() != later.next());
    }

    // The draws are the standard's 64-bit Mersenne Twister, the same on every standard
    // library: from its default seed, 5489 (the bits of a tiny float), its 10,000th output
    // is 9981545732273789042, of which a draw takes the top 53 bits.
    void randomSourceIsTheStandardEngine()
    {
        float seed = 0;
        const std::uint32_t defaultSeed = 5489;
        std::memcpy(&seed, &defaultSeed, sizeof seed);
        MersenneRandom random;
        random.seed(seed);
        for (int i = 1; i < 10000; ++i)
            random.next();
        QCOMPARE(random.next(), double(9981545732273789042ull >> 11) * 0x1.0p-53);
    }

    // A draw r falls in part floor(r * n) of n, on the exact product: the double product
    // rounds onto j for many draws just below j / n.
    void parts()
    {
        QStringList wrong;
        for (qint64 n : {2, 3, 7, 10, 49, 1000, 32768, 1000003, 123456789}) {
            for (qint64 j = 1; j <= n; j += std::max<qint64>(1, n / 300)) {
                if (drawIndex(largestBelow(j, n), n) != j - 1)
                    wrong << u"below %1/%2"_s.arg(j).arg(n);
                if (j < n && drawIndex(std::nextafter(largestBelow(j, n), 1.0), n) != j)
                    wrong << u"at %1/%2"_s.arg(j).arg(n);
            }
        }
        QCOMPARE(wrong, QStringList());
    }
};

QTEST_GUILESS_MAIN(TestLook)
#include "tst_look.moc"
