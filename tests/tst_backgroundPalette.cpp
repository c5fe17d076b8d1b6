// The background colour of a game: one draw r picks number floor(r * 7) + 1 of seven dark colours.
#include "backgroundpalette.h"

#include <QTest>

#include <cmath>

// Dark blue, dark green, dark red, dark purple, dark grey, brownish red and black.
static const Rgb Colours[7] = {{0, 0, 64}, {0, 64, 0}, {64, 0, 0}, {64, 0, 64}, {64, 64, 64}, {128, 64, 64}, {0, 0, 0}};

class TestBackgroundPalette : public QObject
{
    Q_OBJECT

private slots:
    void colourFromDraw_data()
    {
        QTest::addColumn<double>("r"); QTest::addColumn<int>("number");
        QTest::newRow("zero") << 0.0 << 1;
        QTest::newRow("just under one") << std::nextafter(1.0, 0.0) << 7;
        // k / 7.0 times 7 is exactly k, and the double just below it gives less than k.
        for (int k = 1; k <= 6; ++k) {
            QTest::addRow("%d/7 exactly", k) << k / 7.0 << k + 1;
            QTest::addRow("just below %d/7", k) << std::nextafter(k / 7.0, 0.0) << k;
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
};

QTEST_GUILESS_MAIN(TestBackgroundPalette)
#include "tst_backgroundPalette.moc"
