// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The tiles of a phrase: their captions and the flow of their places on the board.
#include "boardlayout.h"

#include <QTest>

#include <vector>

using namespace Qt::StringLiterals;

using Boxes = std::vector<TileBox>;
using Places = std::vector<TilePlace>;
Q_DECLARE_METATYPE(Boxes)
Q_DECLARE_METATYPE(Places)

// Tile 0 is empty; tile i shows character i.
static QStringList tiles(const QString &shown)
{
    QStringList captions = {QString()};
    for (const QChar c : shown)
        captions << QString(c);
    return captions;
}

class TestBoardLayout : public QObject
{
    Q_OBJECT

private slots:
    void captionsStripAccents_data()
    {
        QTest::addColumn<QString>("phrase"); QTest::addColumn<QStringList>("captions");
        QTest::newRow("empty phrase shows tile 0 alone") << QString() << tiles(QString());
        QTest::newRow("accents stripped, other marks kept")
            << u"\u00C9l s\u00ED\u00F1\u00FC\u00E0\t"_s << tiles(u"El si\u00F1\u00FC\u00E0\t"_s);
        QTest::newRow("surrogate pair takes two tiles") << u"x\U0001F600"_s << tiles(u"x\xD83D\xDE00"_s);
        QString phrase;
        for (int i = 0; i < 384; ++i)
            phrase += QChar(u'a' + i % 26);
        QTest::newRow("383 characters fill every tile") << phrase.left(383) << tiles(phrase.left(383));
        QTest::newRow("the 384th character is left out") << phrase << tiles(phrase.left(383));
    }
    void captionsStripAccents()
    {
        QFETCH(QString, phrase); QFETCH(QStringList, captions);
        QCOMPARE(boardCaptions(phrase), captions);
    }

    // Tiles run from (0, 400), each left being the previous left + width + 50. A row ends when
    // that next left plus the width of the tile just placed reaches 97/100 of the outer width;
    // the next row starts at left 100, 20 below the bottom of the tile that ended the row.
    void flowWrapsAtNinetySevenHundredths_data()
    {
        QTest::addColumn<float>("outerWidth"); QTest::addColumn<Boxes>("tiles");
        QTest::addColumn<Places>("places");
        QTest::newRow("no tiles") << 1000.f << Boxes{} << Places{};
        QTest::newRow("first row advances by width and gap") << 10000.f
            << Boxes{{10, 30}, {20, 35}, {30, 40}, {5, 45}} << Places{{0, 400}, {60, 400}, {130, 400}, {210, 400}};
        QTest::newRow("sum equal to the limit wraps") << 1000.f
            << Boxes{{460, 30}, {10, 40}} << Places{{0, 400}, {100, 450}};
        QTest::newRow("sum just below the limit stays") << 1000.f
            << Boxes{{459.5f, 30}, {10, 40}} << Places{{0, 400}, {509.5f, 400}};
        QTest::newRow("scaled limit wraps") << 2000.f << Boxes{{945, 30}, {10, 40}} << Places{{0, 400}, {100, 450}};
        QTest::newRow("just below the scaled limit stays") << 2000.f
            << Boxes{{944.5f, 30}, {10, 40}} << Places{{0, 400}, {994.5f, 400}};
        // 710 + 260 = 970 ends the first row after a taller tile; 540 + 450 + 50 + 450 ends the second.
        QTest::newRow("rows follow the tile that ends them") << 1000.f
            << Boxes{{100, 30}, {200, 80}, {260, 55}, {300, 10}, {40, 12}, {450, 5}, {10, 10}}
            << Places{{0, 400}, {150, 400}, {400, 400}, {100, 475}, {450, 475}, {540, 475}, {100, 500}};
    }
    void flowWrapsAtNinetySevenHundredths()
    {
        QFETCH(float, outerWidth); QFETCH(Boxes, tiles); QFETCH(Places, places);
        QVERIFY(flowTiles(tiles, outerWidth) == places);
    }
};

QTEST_GUILESS_MAIN(TestBoardLayout)
#include "tst_boardLayout.moc"
