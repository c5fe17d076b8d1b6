// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Playing on the real window: the board a phrase is laid out on, clicks and hovers on its
// tiles, answers judged against the head of the queue, the score report, and one game.

#include "gamewindow.h"

static const QColor White(255, 255, 255), Selected(0, 192, 192), WrongAnswer(255, 255, 128);

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
        game.form->ShowPhrase(
            QStringLiteral("Un camión pequeño llevó los melones al mercado del pueblo"));
        QCOMPARE(game.board(),
                 QStringLiteral("Un camion pequeño llevo los melones al mercado del pueblo"));
        int rows = 1;
        for (int i = 1; i < game.shownTiles(); ++i) {
            const QRect before = game.tile(i - 1)->geometry(), tile = game.tile(i)->geometry();
            rows += tile.y() != before.y();
            QVERIFY(tile.y() == before.y()
                        ? std::abs(tile.x() - before.right() - 4) <= 1
                        : tile.x() == 7 && std::abs(tile.y() - before.bottom() - 2) <= 1);
        }
        QVERIFY(rows >= 3);

        // The next board starts from plain tiles, and stops quietly at the last one.
        game.form->letterHovered(3);
        game.form->letterClicked(2);
        game.form->ShowPhrase(QString(500, u'á'));
        QCOMPARE(game.board(), QString(383, u'a'));
        for (int i = 0; i < TileCount; ++i)
            QVERIFY(game.tile(i)->pointSize() == 36 && game.tile(i)->textColour() == White);
    }

    void clicksAndHoversOnTiles()
    {
        GameWindow game(QByteArray("tele\r\n"));
        game.show();
        game.form->startAction()->trigger();
        game.click(2);
        QCOMPARE(game.board(), QStringLiteral("téle"));
        game.click(2);
        game.click(4);
        QCOMPARE(game.board(), QStringLiteral("telé"));
        QVERIFY(game.tile(2)->textColour() == White && game.tile(4)->textColour() == Selected);

        // Released off the tile, a press does nothing; a double-click toggles once.
        CaptionLabel *tile = game.tile(4);
        QTest::mousePress(tile, Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseRelease(tile, Qt::LeftButton, {}, QPoint(-30, 2));
        QTest::mouseClick(tile, Qt::LeftButton, {},
                          QPoint(2, 2)); // press, release, double-click, release
        QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(2, 2),
                           tile->mapToGlobal(QPointF(2, 2)), Qt::LeftButton, Qt::LeftButton, {});
        QApplication::sendEvent(tile, &second);
        QTest::mouseRelease(tile, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(game.board(), QStringLiteral("tele"));

        // Hovering enlarges the tile under the pointer, in front of its neighbours.
        QTest::mouseMove(game.tile(3), QPoint(2, 2));
        QCOMPARE(game.tile(3)->pointSize(), 46.0);
        QTest::mouseMove(game.tile(4), QPoint(game.tile(4)->width() - 2, 2));
        QVERIFY(game.tile(3)->pointSize() == 36 && game.tile(4)->pointSize() == 46);
        QCOMPARE(game.form->textPanel()->children().last(), game.tile(4));
    }

    void wholeGame()
    {
        // Load's colour, Start's (dark red), then k = 0 and k = 0: the queue reads "Él café", "mamá".
        GameWindow game(QByteArray("mam\xE1\r\n\xC9l caf\xE9\r\n"), {0.1, 0.3, 0.5, 0.2});
        game.show();
        game.form->startAction()->trigger();
        QCOMPARE(game.form->backgroundColour(), QColor(64, 0, 0));
        QCOMPARE(game.form->playList(),
                 QStringList({QStringLiteral("Él café"), QStringLiteral("mamá")}));
        QCOMPARE(game.board(), QStringLiteral("El cafe"));

        game.click(1); // only the É: a miss
        game.doubleClickBackground();
        QCOMPARE(game.tile(7)->textColour(), WrongAnswer);
        QCOMPARE(game.report(), QStringLiteral(" Score :  0% Shots :  1 Hits   :  0"));
        QCOMPARE(game.form->reportLabel()->textColour(), QColor(255, 0, 0));

        game.click(7); // and the final é: a hit, and the next phrase
        game.enter();
        QCOMPARE(game.form->playList(), QStringList{QStringLiteral("mamá")});
        QCOMPARE(game.board(), QStringLiteral("mama"));
        QCOMPARE(game.report(), QStringLiteral(" Score :  50% Shots :  2 Hits   :  1"));

        game.click(4);
        game.doubleClickBackground();
        QVERIFY(game.form->playList().isEmpty());
        QCOMPARE(game.shownTiles(), 1);
        // After the last phrase a submission prompts to start and shows the final report
        // again: low in the window, centred, always inside.
        game.form->move(0, 0);
        game.enter();
        QCOMPARE(game.lines(), QStringList({"", " Press START to being test ! "}));
        QCOMPARE(game.report(), QStringLiteral(" Score :  66.7% Shots :  3 Hits   :  2"));
        QCOMPARE(game.form->reportLabel()->textColour(), QColor(255, 255, 0));
        QVERIFY(std::abs(game.form->reportLabel()->y()
                         - qRound(game.form->frameGeometry().height() * 0.85))
                <= 1);
        game.form->move(0, 5000);
        game.enter();
        const QRect label = game.form->reportLabel()->geometry();
        QVERIFY(label.bottom() < game.form->textPanel()->height());
        QVERIFY(std::abs(label.center().x() - game.form->frameGeometry().width() / 2) <= 1);
        game.form->setGeometry(0, 0, 400, 500); // narrower than the report
        game.enter();
        QVERIFY(game.form->reportLabel()->width() > game.form->textPanel()->width());
        QCOMPARE(game.form->reportLabel()->x(), 0);

        game.form->startAction()->trigger(); // a new game begins afresh
        QVERIFY(game.form->hitCount() == 0 && game.form->missCount() == 0);
        QCOMPARE(game.report(), QString());
        QCOMPARE(game.form->playList().size(), 2);
    }
};

QTEST_MAIN(TestPlay)
#include "tst_play.moc"
