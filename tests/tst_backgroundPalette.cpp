// The background colour of a game: one draw picks one of the seven dark colours.
#include "backgroundpalette.h"

#include <QTest>

#include <array>
#include <cmath>

class TestBackgroundPalette : public QObject
{
    Q_OBJECT

private slots:
    void numberFromDraw_data()
    {
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("number");
        QTest::newRow("zero") << 0.0 << 1;
        QTest::newRow("just under one") << std::nextafter(1.0, 0.0) << 7;
        for (int k = 1; k <= 6; ++k) {
            // k / 7.0 times 7 gives k exactly, and the double just below gives less than k,
            // so the whole part changes exactly at k / 7.0.
            const double edge = k / 7.0;
            QVERIFY(edge * 7.0 == k && std::nextafter(edge, 0.0) * 7.0 < k);
            QTest::addRow("%d/7 exactly", k) << edge << k + 1;
            QTest::addRow("just below %d/7", k) << std::nextafter(edge, 0.0) << k;
        }
    }
    void numberFromDraw()
    {
        QFETCH(double, r);
        QFETCH(int, number);
        QCOMPARE(paletteNumber(r), number);
    }

    void everyNumberEquallyReachable()
    {
        // 700 draws spread evenly over [0, 1) give each of the seven numbers 100 times.
        std::array<int, 8> counts{};
        for (int i = 0; i < 700; ++i) {
            const int number = paletteNumber((i + 0.5) / 700.0);
            QVERIFY(number >= 1 && number <= 7);
            ++counts[number];
        }
        for (int number = 1; number <= 7; ++number)
            QCOMPARE(counts[number], 100);
    }

    void colourOfEachNumber_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<uint>("colour");
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        QTest::newRow("1 dark blue") << 1 << 0x400000u << 0 << 0 << 64;
        QTest::newRow("2 dark green") << 2 << 0x004000u << 0 << 64 << 0;
        QTest::newRow("3 dark red") << 3 << 0x000040u << 64 << 0 << 0;
        QTest::newRow("4 dark purple") << 4 << 0x400040u << 64 << 0 << 64;
        QTest::newRow("5 dark grey") << 5 << 0x404040u << 64 << 64 << 64;
        QTest::newRow("6 brownish red") << 6 << 0x404080u << 128 << 64 << 64;
        QTest::newRow("7 black") << 7 << 0x000000u << 0 << 0 << 0;
    }
    void colourOfEachNumber()
    {
        QFETCH(int, number);
        QFETCH(uint, colour);
        QFETCH(int, red);
        QFETCH(int, green);
        QFETCH(int, blue);
        QCOMPARE(uint(BackgroundPalette[std::size_t(number - 1)]), colour);
        // A draw in the middle of the number's seventh of [0, 1).
        QCOMPARE(uint(backgroundFor((number - 0.5) / 7.0)), colour);
        QVERIFY(rgbOf(colour) == (Rgb{red, green, blue}));
    }
};

QTEST_GUILESS_MAIN(TestBackgroundPalette)
#include "tst_backgroundPalette.moc"
