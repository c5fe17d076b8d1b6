// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Playing on the real window: clicks and hovers on tiles, submissions judged against
// the head of the queue, and the score report they leave behind.

#include "gamewindow.h"
#include "messages.h"

#include <QAction>

namespace {

const QColor Selected(0, 192, 192);
const QColor WrongAnswer(255, 255, 128);
const QColor Red(255, 0, 0);
const QColor Yellow(255, 255, 0);

} // namespace

class TestPlay : public QObject
{
    Q_OBJECT

private slots:
    void clickTogglesTheAccentAndSelects();
    void clickOnAnyOtherTileSelectsWithoutChange_data();
    void clickOnAnyOtherTileSelectsWithoutChange();
    void hoverEnlargesTheTileUnderThePointer();
    void phraseWithoutAccentsIsAHitAsItStands();
    void missTintsTheAnswerAndCountsOnce();
    void reportStaysInsideTheWindow();
    void phraseFillingEveryTileCanBeAnswered();
    void wholeGameWithMouseAndKeyboard();
};

void TestPlay::clickTogglesTheAccentAndSelects()
{
    GameWindow game(QByteArray("tele\r\n"));
    game.show();
    game.form->startAction()->trigger();
    game.clickTile(2);
    QCOMPARE(game.tile(2)->caption(), QStringLiteral("é"));
    QCOMPARE(game.tile(2)->textColour(), Selected);
    game.clickTile(2);
    QCOMPARE(game.tile(2)->caption(), QStringLiteral("e"));
    QCOMPARE(game.tile(2)->textColour(), Selected);

    game.clickTile(4);
    QCOMPARE(game.tile(2)->textColour(), QColor(Qt::white));
    QCOMPARE(game.tile(4)->textColour(), Selected);
    QCOMPARE(game.board(), QStringLiteral("telé"));
}

void TestPlay::clickOnAnyOtherTileSelectsWithoutChange_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("tile 0, empty") << 0;
    QTest::newRow("consonant") << 1;
    QTest::newRow("space") << 3;
    QTest::newRow("digit") << 4;
    QTest::newRow("question mark") << 5;
    QTest::newRow("u with diaeresis") << 6;
}

void TestPlay::clickOnAnyOtherTileSelectsWithoutChange()
{
    QFETCH(int, index);
    GameWindow game(QByteArray("ya 7?\xC3\xBC\r\n"));
    game.show();
    game.form->startAction()->trigger();
    game.clickTile(2); // "a" becomes selected first
    const QString before = game.board();
    game.clickTile(index);
    QCOMPARE(game.tile(index)->textColour(), Selected);
    QCOMPARE(game.tile(2)->textColour(), QColor(Qt::white));
    QCOMPARE(game.board(), before);
}

void TestPlay::hoverEnlargesTheTileUnderThePointer()
{
    GameWindow game(QByteArray("casa\r\n"));
    game.show();
    game.form->startAction()->trigger();
    const int normalHeight = game.tile(3)->height();
    QTest::mouseMove(game.tile(3), QPoint(2, 2));
    QCOMPARE(game.tile(3)->pointSize(), 46.0);
    QVERIFY(game.tile(3)->height() > normalHeight);

    // The enlarged tile 3 now covers the left edge of tile 4.
    QTest::mouseMove(game.tile(4), QPoint(game.tile(4)->width() - 2, 2));
    QCOMPARE(game.tile(3)->pointSize(), 36.0);
    QCOMPARE(game.tile(3)->height(), normalHeight);
    QCOMPARE(game.tile(4)->pointSize(), 46.0);
    // In front of its neighbours: the last of the panel's children to be drawn.
    QCOMPARE(game.form->textPanel()->children().last(), game.tile(4));

    // Leaving for the background shrinks nothing.
    QTest::mouseMove(game.form->textPanel(), QPoint(game.form->textPanel()->width() - 5, 300));
    QCOMPARE(game.tile(4)->pointSize(), 46.0);
}

void TestPlay::phraseWithoutAccentsIsAHitAsItStands()
{
    GameWindow game(QByteArray("hola mundo\r\nadiós\r\n"), {0, 0, 0, 0.9});
    game.show();
    game.form->startAction()->trigger();
    QCOMPARE(game.form->playList().first(), QStringLiteral("hola mundo"));
    game.pressEnter();
    QCOMPARE(game.form->hitCount(), std::optional<quint64>(1));
    QCOMPARE(game.form->missCount(), qint16(0));
    QCOMPARE(game.form->playList(), QStringList{QStringLiteral("adiós")});
    QCOMPARE(game.board(), QStringLiteral("adios"));
    QCOMPARE(game.form->reportLabel()->caption(), QStringLiteral(" Score :  100% Shots :  1 Hits   :  1"));
}

void TestPlay::missTintsTheAnswerAndCountsOnce()
{
    GameWindow game(QByteArray("sí\r\n"));
    game.show();
    game.form->startAction()->trigger();
    game.doubleClickBackground();
    QCOMPARE(game.form->missCount(), qint16(1));
    QCOMPARE(game.form->hitCount(), std::optional<quint64>(0));
    for (int i = 0; i <= 2; ++i)
        QCOMPARE(game.tile(i)->textColour(), WrongAnswer);
    QCOMPARE(game.board(), QStringLiteral("si"));
    QCOMPARE(game.form->playList(), QStringList{QStringLiteral("sí")});
    QCOMPARE(game.form->reportLabel()->caption(), QStringLiteral(" Score :  0% Shots :  1 Hits   :  0"));

    // Only the case or one accent wrong is still wrong.
    game.clickTile(1);
    game.clickTile(2);
    QCOMPARE(game.board(), QStringLiteral("sí"));
    game.tile(1)->setCaption(QStringLiteral("S"));
    game.pressEnter();
    QCOMPARE(game.form->missCount(), qint16(2));
    // The click recoloured the tile selected before white; a new miss tints all again.
    QCOMPARE(game.tile(2)->textColour(), WrongAnswer);
}

void TestPlay::reportStaysInsideTheWindow()
{
    GameWindow game(QByteArray("uno\r\ndos\r\n"));
    game.show();
    game.form->startAction()->trigger();
    game.form->move(0, 0);
    game.pressEnter();
    const int topHigh = game.form->reportLabel()->y();
    const int expected = qRound(game.form->frameGeometry().height() * 85 / 100.0);
    QVERIFY(std::abs(topHigh - expected) <= 1);

    // Lower on the screen, lower in the window, but never below its inner area.
    game.form->move(0, 60);
    game.pressEnter();
    QVERIFY(game.form->reportLabel()->y() > topHigh);
    game.form->move(0, 5000);
    game.pressEnter();
    const QRect label = game.form->reportLabel()->geometry();
    QVERIFY(label.bottom() < game.form->textPanel()->height());
    // Centred on the window's width.
    QVERIFY(std::abs(label.center().x() - game.form->frameGeometry().width() / 2) <= 1);

    // In a window narrower than the report, it starts at the left edge.
    game.form->setGeometry(0, 0, 400, 500);
    game.pressEnter();
    QVERIFY(game.form->reportLabel()->width() > game.form->textPanel()->width());
    QCOMPARE(game.form->reportLabel()->x(), 0);
}

void TestPlay::phraseFillingEveryTileCanBeAnswered()
{
    const QByteArray phrase = QByteArray(420, 'b') + "\xC3\xA1";
    GameWindow game(phrase + "\r\n");
    game.show();
    game.form->startAction()->trigger();
    QCOMPARE(game.shownTiles(), TileCount);
    game.pressEnter();
    QCOMPARE(game.form->hitCount(), std::optional<quint64>(1));
    QVERIFY(game.form->playList().isEmpty());
}

void TestPlay::wholeGameWithMouseAndKeyboard()
{
    // Load's colour, Start's colour, then k = 0 and k = 0: the queue reads "Él café", "mamá".
    GameWindow game(QByteArray("mam\xE1\r\n\xC9l caf\xE9\r\n"), {0.1, 0.3, 0.5, 0.2});
    game.show();
    QCOMPARE(game.form->sourceList(), QStringList({QStringLiteral("mamá"), QStringLiteral("Él café")}));
    game.form->startAction()->trigger();
    QCOMPARE(game.form->playList(), QStringList({QStringLiteral("Él café"), QStringLiteral("mamá")}));
    QCOMPARE(game.board(), QStringLiteral("El cafe"));

    // First try: only the É. A miss, by a double-click on the background.
    game.clickTile(1);
    QCOMPARE(game.board(), QStringLiteral("Él cafe"));
    game.doubleClickBackground();
    QCOMPARE(game.form->missCount(), qint16(1));
    QCOMPARE(game.tile(7)->textColour(), WrongAnswer);
    QCOMPARE(game.form->reportLabel()->caption(), QStringLiteral(" Score :  0% Shots :  1 Hits   :  0"));
    QCOMPARE(game.form->reportLabel()->textColour(), Red);

    // Second try: the final é too, submitted with Enter. A hit, and the next phrase.
    game.clickTile(7);
    QCOMPARE(game.tile(7)->textColour(), Selected);
    QCOMPARE(game.tile(1)->textColour(), QColor(Qt::white));
    game.pressEnter();
    QCOMPARE(game.form->hitCount(), std::optional<quint64>(1));
    QCOMPARE(game.form->playList(), QStringList{QStringLiteral("mamá")});
    QCOMPARE(game.board(), QStringLiteral("mama"));
    QCOMPARE(game.tile(1)->textColour(), QColor(Qt::white));
    QCOMPARE(game.form->reportLabel()->caption(), QStringLiteral(" Score :  50% Shots :  2 Hits   :  1"));

    game.clickTile(4);
    game.doubleClickBackground();
    QVERIFY(game.form->playList().isEmpty());
    QCOMPARE(game.shownTiles(), 1);
    QCOMPARE(game.form->reportLabel()->caption(), QStringLiteral(" Score :  66.7% Shots :  3 Hits   :  2"));
    QCOMPARE(game.form->reportLabel()->textColour(), Yellow);

    // After the last phrase a submission prompts to start and keeps the final report.
    game.pressEnter();
    QCOMPARE(game.panelLines(), QStringList({QString(), QStringLiteral(" Press START to being test ! ")}));
    QCOMPARE(game.form->reportLabel()->caption(), QStringLiteral(" Score :  66.7% Shots :  3 Hits   :  2"));
    QCOMPARE(game.form->reportLabel()->textColour(), Yellow);
    QCOMPARE(game.form->hitCount(), std::optional<quint64>(2));
    QCOMPARE(game.form->missCount(), qint16(1));
}

QTEST_MAIN(TestPlay)
#include "tst_play.moc"
