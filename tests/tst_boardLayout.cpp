// The tiles of a phrase: their captions and the flow of their places on the board.
#include "boardlayout.h"

#include <QTest>

#include <vector>

using namespace Qt::StringLiterals;

class TestBoardLayout : public QObject
{
    Q_OBJECT

private slots:
    void captionsStripAccents_data()
    {
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("empty phrase shows tile 0 alone") << QString() << QStringList{QString()};
        QTest::newRow("s i-acute") << u"s\u00ED"_s << QStringList{QString(), u"s"_s, u"i"_s};
        QTest::newRow("upper-case accent, space and other marks")
            << u"\u00C9l \u00F1\u00FC\u00E0\t"_s
            << QStringList{QString(), u"E"_s, u"l"_s, u" "_s, u"\u00F1"_s, u"\u00FC"_s, u"\u00E0"_s, u"\t"_s};
        QTest::newRow("surrogate pair takes two tiles")
            << u"x\U0001F600"_s << QStringList{QString(), u"x"_s, QString(QChar(0xD83D)), QString(QChar(0xDE00))};
    }
    void captionsStripAccents()
    {
        QFETCH(QString, phrase);
        QFETCH(QStringList, captions);
        QCOMPARE(boardCaptions(phrase), captions);
    }

    void captionsStopAtTheLastTile_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("tiles");
        QTest::newRow("382 characters") << 382 << 383;
        QTest::newRow("383 characters fill every tile") << 383 << 384;
        QTest::newRow("384 characters") << 384 << 384;
        QTest::newRow("500 characters") << 500 << 384;
    }
    void captionsStopAtTheLastTile()
    {
        QFETCH(int, length);
        QFETCH(int, tiles);
        const QString letters = u"abc\u00E1d\u00C9fgh\u00EDjkl"_s; // with accents to strip
        const QString plain = u"abcadEfghijkl"_s;
        QString phrase;
        for (int i = 0; i < length; ++i)
            phrase += letters[i % letters.size()];
        const QStringList captions = boardCaptions(phrase);
        QCOMPARE(captions.size(), tiles);
        QCOMPARE(captions.first(), QString());
        for (int i = 1; i < captions.size(); ++i)
            QCOMPARE(captions[i], QString(plain[(i - 1) % plain.size()]));
    }

    void firstRowAdvancesByWidthAndGap()
    {
        const std::vector<TileBox> tiles = {{10, 30}, {20, 35}, {30, 40}, {5, 45}};
        const std::vector<TilePlace> expected = {{0, 400}, {60, 400}, {130, 400}, {210, 400}};
        QVERIFY(flowTiles(tiles, 10000) == expected);
        QVERIFY(flowTiles({}, 1000).empty());
    }

    void wrapAtNinetySevenHundredths_data()
    {
        // Tile 0 (height 30) stands at 0; the next left is firstWidth + 50 and the test adds
        // firstWidth once more. The limit for an outer width of 1000 is exactly 970.
        QTest::addColumn<float>("outerWidth");
        QTest::addColumn<float>("firstWidth");
        QTest::addColumn<float>("nextLeft");
        QTest::addColumn<float>("nextTop");
        QTest::newRow("sum equal to the limit wraps") << 1000.f << 460.f << 100.f << 450.f;
        QTest::newRow("sum just below the limit stays") << 1000.f << 459.5f << 509.5f << 400.f;
        QTest::newRow("sum above the limit wraps") << 1000.f << 470.f << 100.f << 450.f;
        QTest::newRow("limit scales with the width") << 2000.f << 945.f << 100.f << 450.f;
        QTest::newRow("just below the scaled limit") << 2000.f << 944.5f << 994.5f << 400.f;
    }
    void wrapAtNinetySevenHundredths()
    {
        QFETCH(float, outerWidth);
        QFETCH(float, firstWidth);
        QFETCH(float, nextLeft);
        QFETCH(float, nextTop);
        const std::vector<TileBox> tiles = {{firstWidth, 30}, {10, 40}};
        const std::vector<TilePlace> expected = {{0, 400}, {nextLeft, nextTop}};
        QVERIFY(flowTiles(tiles, outerWidth) == expected);
    }

    void longRunWrapsSeveralTimes()
    {
        // A new row follows the height of the tile that ends the row, not the tallest one.
        // Outer width 1000: after tile 2 the next left is 710, and 710 + 260 = 970 wraps.
        const std::vector<TileBox> rowEnd = {{100, 30}, {200, 80}, {260, 55}, {300, 10}, {40, 12}};
        const std::vector<TilePlace> expectedEnd = {{0, 400}, {150, 400}, {400, 400}, {100, 475}, {450, 475}};
        QVERIFY(flowTiles(rowEnd, 1000) == expectedEnd);

        // Fifty tiles 100 by 30. The first row holds lefts 0, 150, ..., 750 (after 750 the sum
        // is 900 + 100 >= 970); every later row holds 100, 250, ..., 850, 50 below the last.
        const std::vector<TilePlace> places = flowTiles(std::vector<TileBox>(50, TileBox{100, 30}), 1000);
        QCOMPARE(places.size(), std::size_t(50));
        for (int i = 0; i < 50; ++i) {
            const int row = i < 6 ? 0 : 1 + (i - 6) / 6;
            const int column = i < 6 ? i : (i - 6) % 6;
            const TilePlace expected{(row == 0 ? 0.f : 100.f) + 150.f * column, 400.f + 50.f * row};
            QVERIFY2(places[i] == expected, qPrintable(u"tile %1"_s.arg(i)));
        }
    }
};

QTEST_GUILESS_MAIN(TestBoardLayout)
#include "tst_boardLayout.moc"
