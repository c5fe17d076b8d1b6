// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Laying a phrase out on the tiles of the real window, and clearing the board.

#include "gamewindow.h"

class TestBoard : public QObject
{
    Q_OBJECT

private slots:
    void emptyPhraseShowsTileZeroAlone();
    void tilesShowTheCharactersWithoutAccents();
    void tilesFlowAndWrapAtTheRightLimit();
    void longestPhraseFillsEveryTile();
    void longerPhraseStopsQuietlyAtTheLastTile();
    void layoutStartsFromAnIdleBoard();
    void clearBoardOnAnIdleBoardChangesNothing();

private:
    static constexpr int TwipsPerPixel = 15;
};

void TestBoard::emptyPhraseShowsTileZeroAlone()
{
    GameWindow game(QByteArray("uno\r\n"));
    game.show();
    QVERIFY(!game.panelLines().isEmpty());
    game.form->ShowPhrase(QString());
    QVERIFY(game.panelLines().isEmpty());
    QCOMPARE(game.shownTiles(), 1);
    // 0, 400 twips
    QCOMPARE(game.tile(0)->pos(), QPoint(0, qRound(400.0 / TwipsPerPixel)));
    QCOMPARE(game.tile(0)->caption(), QString());
    QVERIFY(game.tile(0)->width() > 0);
    QCOMPARE(game.tile(0)->height(), game.tile(1)->height());
}

void TestBoard::tilesShowTheCharactersWithoutAccents()
{
    GameWindow game(QByteArray("uno\r\n"));
    game.show();
    game.form->ShowPhrase(QStringLiteral("sí, ÁÉÍÓÚ ñü"));
    QCOMPARE(game.shownTiles(), 13);
    QCOMPARE(game.board(), QStringLiteral("si, AEIOU ñü"));
    QCOMPARE(game.tile(4)->caption(), QStringLiteral(" "));
    for (int i = 0; i < 13; ++i) {
        QCOMPARE(game.tile(i)->pointSize(), 36.0);
        QCOMPARE(game.tile(i)->textColour(), QColor(Qt::white));
    }
    for (int i = 13; i < TileCount; ++i)
        QVERIFY(game.tile(i)->isHidden());
}

// Each tile follows the one before it 50 twips to its right until x plus the width of
// the tile just placed reaches 97/100 of the window's outer width; then the next tile
// starts a row at 100 twips, 20 twips below the tile that ended the row.
void TestBoard::tilesFlowAndWrapAtTheRightLimit()
{
    GameWindow game(QByteArray("uno\r\n"));
    game.show();
    game.form->resize(400, 600);
    const QString phrase = QStringLiteral("Un camión pequeño llevó los melones al mercado del pueblo");
    game.form->ShowPhrase(phrase);
    QCOMPARE(game.shownTiles(), phrase.size() + 1);

    const double limit = game.form->frameGeometry().width() * TwipsPerPixel * 97.0 / 100.0;
    int rows = 1;
    for (int i = 1; i <= phrase.size(); ++i) {
        const CaptionLabel *before = game.tile(i - 1);
        const CaptionLabel *tile = game.tile(i);
        const QRect placed = before->geometry();
        // Twips, from the rounded pixels: a tolerance of one pixel either way.
        const double nextX = placed.x() * TwipsPerPixel + placed.width() * TwipsPerPixel + 50;
        const bool full = nextX + placed.width() * TwipsPerPixel >= limit;
        if (std::abs(nextX + placed.width() * TwipsPerPixel - limit) < 2 * TwipsPerPixel)
            continue; // too close to the limit to tell from whole pixels
        if (full) {
            ++rows;
            QCOMPARE(tile->x(), qRound(100.0 / TwipsPerPixel));
            QVERIFY(std::abs(tile->y() * TwipsPerPixel - (placed.bottom() + 1) * TwipsPerPixel - 20) <= TwipsPerPixel);
        } else {
            QCOMPARE(tile->y(), before->y());
            QVERIFY(std::abs(tile->x() * TwipsPerPixel - nextX) <= TwipsPerPixel);
        }
    }
    QVERIFY(rows >= 3);
}

void TestBoard::longestPhraseFillsEveryTile()
{
    GameWindow game(QByteArray("uno\r\n"));
    game.show();
    const QString phrase = QString(MaxPhraseTiles, u'é');
    game.form->ShowPhrase(phrase);
    QCOMPARE(game.shownTiles(), TileCount);
    QCOMPARE(game.board(), QString(MaxPhraseTiles, u'e'));
}

void TestBoard::longerPhraseStopsQuietlyAtTheLastTile()
{
    GameWindow game(QByteArray("uno\r\n"));
    game.show();
    QString phrase;
    for (int i = 0; i < 500; ++i)
        phrase += QChar(u'a' + i % 26);
    game.form->ShowPhrase(phrase);
    QCOMPARE(game.shownTiles(), TileCount);
    QCOMPARE(game.board(), phrase.left(MaxPhraseTiles));
    QVERIFY(game.panelLines().isEmpty());
}

void TestBoard::layoutStartsFromAnIdleBoard()
{
    GameWindow game(QByteArray("uno\r\n"));
    game.show();
    game.form->ShowPhrase(QStringLiteral("abcdef"));
    game.form->letterHovered(3);
    game.form->letterClicked(2);
    QCOMPARE(game.tile(3)->pointSize(), 46.0);
    game.form->ShowPhrase(QStringLiteral("xy"));
    QCOMPARE(game.shownTiles(), 3);
    for (int i = 0; i < TileCount; ++i) {
        QCOMPARE(game.tile(i)->pointSize(), 36.0);
        QCOMPARE(game.tile(i)->textColour(), QColor(Qt::white));
    }
    // The enlarged tile is back at its normal size: it shows nothing and stays hidden.
    QCOMPARE(game.tile(3)->caption(), QString());
    QCOMPARE(game.tile(3)->height(), game.tile(0)->height());
}

void TestBoard::clearBoardOnAnIdleBoardChangesNothing()
{
    GameWindow game(QByteArray("uno\r\n"));
    game.show();
    QList<QRect> before;
    for (int i = 0; i < TileCount; ++i)
        before.append(game.tile(i)->geometry());
    game.form->ClearBoard();
    for (int i = 0; i < TileCount; ++i) {
        QVERIFY(game.tile(i)->isHidden());
        QCOMPARE(game.tile(i)->geometry(), before[i]);
    }
    QVERIFY(!game.panelLines().isEmpty());
}

QTEST_MAIN(TestBoard)
#include "tst_board.moc"
