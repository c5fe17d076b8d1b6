// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Playing on the real window: the board a phrase is laid out on, clicks and hovers on its
// tiles, answers judged against the head of the queue, the score report, and one game.

#include "gamewindow.h"

using namespace Qt::StringLiterals;

static const QColor White(255, 255, 255);
static const QColor Selected(0, 192, 192);
static const QColor WrongAnswer(255, 255, 128);

class TestPlay : public QObject
{
    Q_OBJECT

private slots:
    void boardLaysOutThePhrase()
    {
        GameWindow game(QByteArray("uno\r\n"));
        game.show();
        game.form->ShowPhrase(QString()); // tile 0 alone, empty but not narrow, at 0, 400 twips
        QCOMPARE(game.shownTiles(), 1);
        QCOMPARE(game.tile(0)->geometry(), QRect(0, 27, 12, game.tile(0)->height()));

        // Tiles follow 50 twips (3 px) apart; past 97/100 of the width a row ends, and the
        // next starts at 100 twips (7 px), 20 twips (1 px) below.
        game.form->resize(400, 600);
        game.form->ShowPhrase(u"Un camión pequeño llevó los melones al mercado del pueblo"_s);
        QCOMPARE(game.board(), u"Un camion pequeño llevo los melones al mercado del pueblo"_s);
        int rows = 1;
        for (int i = 1; i < game.shownTiles(); ++i) {
            const QRect before = game.tile(i - 1)->geometry();
            const QRect tile = game.tile(i)->geometry();
            if (tile.y() == before.y()) {
                QVERIFY(std::abs(tile.x() - before.right() - 4) <= 1);
            } else {
                QCOMPARE(tile.x(), 7);
                QVERIFY(std::abs(tile.y() - before.bottom() - 2) <= 1);
                ++rows;
            }
        }
        QVERIFY(rows >= 3);

        // The next board starts from plain tiles, and stops quietly at the last one.
        game.form->letterHovered(3);
        game.form->letterClicked(2);
        game.form->ShowPhrase(QString(500, u'á'));
        QCOMPARE(game.board(), QString(383, u'a'));
        for (int i = 0; i < TileCount; ++i) {
            QCOMPARE(game.tile(i)->pointSize(), 36.0);
            QCOMPARE(game.tile(i)->textColour(), White);
        }
    }

    void clicksAndHoversOnTiles()
    {
        GameWindow game(QByteArray("tele\r\n"));
        game.show();
        game.form->startAction()->trigger();
        game.click(2);
        QCOMPARE(game.board(), u"téle"_s);
        game.click(2);
        game.click(4);
        QCOMPARE(game.board(), u"telé"_s);
        QCOMPARE(game.tile(2)->textColour(), White);
        QCOMPARE(game.tile(4)->textColour(), Selected);

        // Released off the tile, a press does nothing; a double-click toggles once.
        CaptionLabel *tile = game.tile(4);
        QTest::mousePress(tile, Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseRelease(tile, Qt::LeftButton, {}, QPoint(-30, 2));
        // Press, release, double-click, release.
        QTest::mouseClick(tile, Qt::LeftButton, {}, QPoint(2, 2));
        QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(2, 2),
                           tile->mapToGlobal(QPointF(2, 2)), Qt::LeftButton, Qt::LeftButton, {});
        QApplication::sendEvent(tile, &second);
        QTest::mouseRelease(tile, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(game.board(), u"tele"_s);

        // Hovering enlarges the tile under the pointer, in front of its neighbours.
        QTest::mouseMove(game.tile(3), QPoint(2, 2));
        QCOMPARE(game.tile(3)->pointSize(), 46.0);
        QTest::mouseMove(game.tile(4), QPoint(game.tile(4)->width() - 2, 2));
        QCOMPARE(game.tile(3)->pointSize(), 36.0);
        QCOMPARE(game.tile(4)->pointSize(), 46.0);
        QVERIFY(game.tile(4)->height() > game.tile(3)->height());
        QCOMPARE(game.form->textPanel()->children().last(), game.tile(4));
    }

    void wholeGame()
    {
        // Load's colour, then twice Start's (dark red) and k = 0, 0 and 2: the queue reads
        // "Él café", "mamá" and 400 z, longer than the board.
        const QByteArray zs(400, 'z');
        const std::vector<double> draws = {0.1, 0.3, 0.5, 0.2, 0.9, 0.3, 0.5, 0.2, 0.9};
        GameWindow game("mam\xE1\r\n\xC9l caf\xE9\r\n" + zs, draws);
        game.show();
        game.form->startAction()->trigger();
        QCOMPARE(game.form->backgroundColour(), QColor(64, 0, 0));
        QCOMPARE(game.form->playList(), QStringList({u"Él café"_s, u"mamá"_s, zs}));
        QCOMPARE(game.board(), u"El cafe"_s);

        // Only the É: a miss, which tints every tile up to the last, the right ones too.
        game.click(1);
        game.doubleClickBackground();
        for (int i = 0; i < game.shownTiles(); ++i)
            QCOMPARE(game.tile(i)->textColour(), WrongAnswer);
        QCOMPARE(game.report(), u" Score :  0% Shots :  1 Hits   :  0"_s);
        QCOMPARE(game.form->reportLabel()->textColour(), QColor(255, 0, 0));

        // And the final é: a hit, and the next phrase.
        game.click(7);
        game.enter();
        QCOMPARE(game.board(), u"mama"_s);
        QCOMPARE(game.report(), u" Score :  50% Shots :  2 Hits   :  1"_s);

        // A phrase longer than the board is right as the board shows its start.
        game.click(4);
        game.doubleClickBackground();
        QCOMPARE(game.shownTiles(), 384);
        game.enter();
        QVERIFY(game.form->playList().isEmpty());
        QCOMPARE(game.shownTiles(), 1);
        // After the last phrase a submission prompts to start and shows the final report
        // again: low in the window, lower as the window stands lower, centred, always inside.
        game.form->move(0, 50);
        game.enter();
        QCOMPARE(game.lines(), QStringList({"", " Press START to being test ! "}));
        QCOMPARE(game.report(), u" Score :  75% Shots :  4 Hits   :  3"_s);
        QCOMPARE(game.form->reportLabel()->textColour(), QColor(255, 255, 0));
        const int low = qRound((game.form->frameGeometry().height() + 50) * 0.85);
        QVERIFY(std::abs(game.form->reportLabel()->y() - low) <= 1);
        game.form->move(0, 5000);
        game.enter();
        const QRect label = game.form->reportLabel()->geometry();
        QVERIFY(label.bottom() < game.form->textPanel()->height());
        QVERIFY(std::abs(label.center().x() - game.form->frameGeometry().width() / 2) <= 1);
        // Narrower than the report.
        game.form->setGeometry(0, 0, 400, 500);
        game.enter();
        QVERIFY(game.form->reportLabel()->width() > game.form->textPanel()->width());
        QCOMPARE(game.form->reportLabel()->x(), 0);

        // A new game begins afresh; its misses stop at the largest 16-bit count.
        game.form->startAction()->trigger();
        QCOMPARE(game.form->missCount(), 0);
        QCOMPARE(game.report(), QString());
        for (int i = 0; i < 32768; ++i)
            game.enter();
        QCOMPARE(game.report(), u" Score :  0% Shots :  32767 Hits   :  0"_s);

        // Help makes the board and the report give way.
        game.form->helpAction()->trigger();
        QCOMPARE(game.shownTiles(), 0);
        QCOMPARE(game.report(), QString());
    }
};

QTEST_MAIN(TestPlay)
#include "tst_play.moc"
