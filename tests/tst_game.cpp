// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game without a window: loading, the start of a game, the board a phrase is laid out
// on, clicks and hovers on its tiles, answers judged against the head of the queue, the
// score report, and the messages of the text panel. Most tests play a list of the game's
// operations (GameFixture::play) and look at one thing it leaves behind.
#include "gamefixture.h"
#include "qtext.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The game's operations, as GameFixture::play takes them.
using Steps = QString;

static const Steps Started = u"Load, LoadPhrases, Start"_s;

static QStringList loadReport(int phrases)
{
    return {u""_s,
            u" Tilde.TXT Loaded."_s,
            u" File contains :  %1 phrases."_s.arg(phrases),
            u""_s,
            u" Click START to begin the test."_s,
            u" Click HELP to read the instructions."_s};
}

static const QStringList Warning = {u""_s,
                                    u" WARNING : Unable to load file Tilde.TXT"_s,
                                    u" This file contains the phrases for the test."_s,
                                    u""_s,
                                    u" You can manually create/customize a new one."_s,
                                    u" Remember that Acutrix.EXE and Tilde.TXT "_s,
                                    u" must be placed in the same folder."_s};

static const QStringList Prompt = {u""_s, u" Press START to being test ! "_s};

static const QStringList HelpLines = {u""_s,
                                      u" Acutrix automatically searches and loads "_s,
                                      u" the file : Tilde.TXT."_s,
                                      u" Make sure that the EXE file and the TXT file are  "_s,
                                      u" the same folder."_s,
                                      u""_s,
                                      u" Click START to begin the test."_s,
                                      u""_s,
                                      u" Click the letters to add/remove the tilde."_s,
                                      u""_s,
                                      u" Double-click the background to submit your answer."_s,
                                      u""_s,
                                      u" If your answer is correct,a new phrase will show up!"_s};

static const QStringList CreditsLines = {u""_s,
                                         u" Acutrix, the acute accent quiz."_s,
                                         u""_s,
                                         u" Written by the Acutrix developers."_s,
                                         u""_s,
                                         u" Made with C++, Qt and Comfortaa."_s,
                                         u""_s,
                                         u" Free software: GNU GPL 3 or later."_s,
                                         u" Thanks to every teacher!"_s};

// The phrase file of a row: a null QByteArray stands for a file that cannot be read.
static std::optional<std::string> phraseFile(const QByteArray &bytes)
{
    if (bytes.isNull())
        return std::nullopt;
    return bytes.toStdString();
}

// The columns of a row played on a game: the phrase file and the operations played.
static void addPlayColumns()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Steps>("steps");
}

// The game of the current row, with the draws given, its operations played.
static std::unique_ptr<GameFixture> playRow(std::vector<double> draws = {})
{
    QFETCH(QByteArray, file);
    QFETCH(Steps, steps);
    auto fixture = std::make_unique<GameFixture>(phraseFile(file), std::move(draws));
    fixture->play(steps);
    return fixture;
}

static QStringList queue(const Game &game)
{
    QStringList phrases;
    for (std::size_t i = 0; i < game.playListCount(); ++i)
        phrases << qtext(std::u16string(game.playListItem(i)));
    return phrases;
}

class TestGame : public QObject
{
    Q_OBJECT

private slots:
    // The clock seeds the source before anything draws; a game draws its colour, then one
    // number for each phrase it shuffles.
    void draws_data()
    {
        addPlayColumns();
        QTest::addColumn<QStringList>("events");
        const QString seed = u"seed 45296.25"_s;
        const QString draw = u"draw"_s;
        QTest::newRow("Load seeds, then draws the colour")
            << "uno\r\n"_ba << u"Load"_s << QStringList{seed, draw};
        QTest::newRow("a disabled Start draws nothing")
            << QByteArray() << Started << QStringList{seed, draw};
        QTest::newRow("Start: the colour and three phrases")
            << "P1\r\nP2\r\nP3\r\n"_ba << Started
            << QStringList{seed, draw, draw, draw, draw, draw};
        QTest::newRow("Start without phrases: the colour only")
            << "\r\n   \r\n"_ba << Started << QStringList{seed, draw, draw};
    }
    void draws()
    {
        QFETCH(QStringList, events);
        QCOMPARE(playRow()->random->events, events);
    }

    // The draw r picks colour number floor(7 r) + 1.
    void loadPaintsTheBackground_data()
    {
        QTest::addColumn<double>("draw");
        QTest::addColumn<uint>("colour");
        QTest::newRow("0: dark blue") << 0.0 << 0x400000u;
        QTest::newRow("the double below 1/7: dark blue") << 1.0 / 7 << 0x400000u;
        QTest::newRow("0.143: dark green") << 0.143 << 0x004000u;
        QTest::newRow("0.3: dark red") << 0.3 << 0x000040u;
        QTest::newRow("0.5: dark purple") << 0.5 << 0x400040u;
        QTest::newRow("0.6: dark grey") << 0.6 << 0x404040u;
        QTest::newRow("0.8: brownish red") << 0.8 << 0x404080u;
        QTest::newRow("0.99: black") << 0.99 << 0x000000u;
    }
    void loadPaintsTheBackground()
    {
        QFETCH(double, draw);
        QFETCH(uint, colour);
        GameFixture fixture("uno\r\n", {draw});
        fixture.game.Load();
        QCOMPARE(uint(fixture.game.backgroundColour()), colour);
    }

    // Start's own colour (its first draw, 0.3: dark red), not Load's.
    void startPaintsANewBackground()
    {
        GameFixture fixture("uno\r\n", {0.1, 0.3});
        fixture.start();
        QCOMPARE(uint(fixture.game.backgroundColour()), 0x000040u);
    }

    // After Load's colour and Start's, one draw a phrase puts it in one of the m + 1 gaps
    // of the m phrases placed so far.
    void queueIsShuffledByInsertion_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<std::vector<double>>("draws");
        QTest::addColumn<QStringList>("queue");
        QTest::newRow("k = 0, 1, 0 gives P3, P1, P2")
            << "P1\r\nP2\r\nP3\r\n"_ba << std::vector<double>{0.1, 0.3, 0.9, 0.7, 0.2}
            << QStringList{u"P3"_s, u"P1"_s, u"P2"_s};
        QTest::newRow("a phrase twice is queued twice")
            << "uno\r\nuno\r\ndos\r\n"_ba << std::vector<double>{0, 0, 0.9, 0.9, 0.9}
            << QStringList{u"uno"_s, u"uno"_s, u"dos"_s};
    }
    void queueIsShuffledByInsertion()
    {
        QFETCH(QByteArray, file);
        QFETCH(std::vector<double>, draws);
        QFETCH(QStringList, queue);
        GameFixture fixture(phraseFile(file), draws);
        fixture.start();
        QCOMPARE(::queue(fixture.game), queue);
    }

    // What the text panel shows: the load report below what it showed, or the warning on a
    // cleared panel; the prompt to start; Help and Credits; nothing after a new colour or a
    // new phrase.
    void panel_data()
    {
        addPlayColumns();
        QTest::addColumn<QStringList>("lines");
        const Steps load = u"Load, LoadPhrases"_s;
        QTest::newRow("two phrases loaded") << "uno\r\ndos"_ba << load << loadReport(2);
        QTest::newRow("an empty file") << ""_ba << load << loadReport(0);
        QTest::newRow("a file that cannot be read") << QByteArray() << load << Warning;
        QTest::newRow("bytes that are no text") << QByteArray("\xFF\xFE\0\0", 4) << load << Warning;
        QTest::newRow("the warning on a cleared panel")
            << QByteArray() << u"Load, Help, LoadPhrases"_s << Warning;
        QTest::newRow("the load report below the panel")
            << "uno\r\n"_ba << u"Load, Credits, LoadPhrases"_s << CreditsLines + loadReport(1);
        QTest::newRow("a submission before a game")
            << "uno\r\n"_ba << load + u", Submit"_s << Prompt;
        QTest::newRow("a submission after the last phrase")
            << "uno\r\n"_ba << Started + u", Submit, Submit"_s << Prompt;
        QTest::newRow("Help, twice, during a game")
            << "uno\r\n"_ba << Started + u", Submit, Help, Help"_s << HelpLines;
        QTest::newRow("Credits, twice, during a game")
            << "uno\r\n"_ba << Started + u", Submit, Credits, Credits"_s << CreditsLines;
        QTest::newRow("a new colour erases the panel")
            << "uno\r\n"_ba << load + u", PaintBackground"_s << QStringList();
        QTest::newRow("a new phrase clears the panel")
            << "uno\r\n"_ba << u"Load, Help, show uno"_s << QStringList();
    }
    void panel()
    {
        QFETCH(QStringList, lines);
        QCOMPARE(playRow()->lines(), lines);
    }

    // Hits, misses and the phrases left in the queue: only the very same characters are a
    // hit, which takes the phrase off the queue; a miss keeps it; a new game counts anew.
    void counts_data()
    {
        addPlayColumns();
        QTest::addColumn<QString>("counts");
        const Steps submit = Started + u", Submit"_s;
        QTest::newRow("before a game")
            << "uno\r\n"_ba << u"Load, LoadPhrases, Submit"_s << u"-/0/0"_s;
        QTest::newRow("a start") << "uno\r\ndos\r\n"_ba << Started << u"0/0/2"_s;
        // A hit on "uno", a miss on "dós", then a new game.
        QTest::newRow("a start during a game")
            << "uno\r\ndos\r\n"_ba << submit + u", click 2, Submit, Start"_s << u"0/0/2"_s;
        QTest::newRow("no accent, no click") << "uno\r\ndos\r\n"_ba << submit << u"1/0/1"_s;
        QTest::newRow("an accent, no click") << "mam\xE1\r\n"_ba << submit << u"0/1/1"_s;
        QTest::newRow("the accent put back")
            << "mam\xE1\r\n"_ba << Started + u", click 4, Submit"_s << u"1/0/0"_s;
        QTest::newRow("one accent too many")
            << "mam\xE1\r\n"_ba << Started + u", click 4, click 2, Submit"_s << u"0/1/1"_s;
        QTest::newRow("a capital vowel")
            << "\xC9l\r\n"_ba << Started + u", click 1, Submit"_s << u"1/0/0"_s;
        QTest::newRow("two misses") << "mam\xE1\r\n"_ba << submit + u", Submit"_s << u"0/2/1"_s;
        QTest::newRow("Help keeps the counts")
            << "uno\r\n"_ba << submit + u", Help"_s << u"1/0/0"_s;
        QTest::newRow("a board cleared by Help")
            << "uno\r\n"_ba << Started + u", Help, Submit"_s << u"0/1/1"_s;
        QTest::newRow("after the last phrase")
            << "uno\r\n"_ba << submit + u", Submit"_s << u"1/0/0"_s;
        QTest::newRow("past the board, as far as it shows")
            << QByteArray(400, 'z') << submit << u"1/0/0"_s;
    }
    void counts()
    {
        QFETCH(QString, counts);
        QCOMPARE(playRow({0, 0, 0, 0.9})->counts(), counts);
    }

    void missesStopAtTheLargest16BitCount()
    {
        GameFixture fixture("mam\xE1\r\n");
        fixture.start();
        for (int i = 0; i < 32768; ++i)
            fixture.game.CheckAnswer();
        QCOMPARE(fixture.game.missCount(), 32767);
    }

    // The shown tiles, read from tile 0: empty, then each character of the phrase without
    // its acute accent; a click toggles the accent of its tile.
    void board_data()
    {
        addPlayColumns();
        QTest::addColumn<QString>("board");
        QTest::addColumn<int>("shown");
        QTest::newRow("an empty phrase") << ""_ba << u"show "_s << QString() << 1;
        QTest::newRow("sí") << ""_ba << u"show sí"_s << u"si"_s << 3;
        QTest::newRow("past the last tile")
            << ""_ba << u"show "_s + QString(500, u'é') << QString(383, u'e') << 384;
        QTest::newRow("a board cleared") << ""_ba << u"show tele, ClearBoard"_s << QString() << 0;
        QTest::newRow("Start shows the head of the queue")
            << "el caf\xE9\r\n"_ba << Started << u"el cafe"_s << 8;
        QTest::newRow("Start without phrases") << "\r\n   \r\n"_ba << Started << QString() << 1;
        QTest::newRow("a hit shows the next phrase")
            << "uno\r\ndos\r\n"_ba << Started + u", Submit"_s << u"dos"_s << 4;
        QTest::newRow("the last hit leaves an empty board")
            << "uno\r\n"_ba << Started + u", Submit"_s << QString() << 1;
        QTest::newRow("a miss keeps the phrase")
            << "mam\xE1\r\n"_ba << Started + u", click 2, Submit"_s << u"máma"_s << 5;
        QTest::newRow("Help hides the phrase")
            << "uno\r\n"_ba << Started + u", Help"_s << QString() << 0;
        QTest::newRow("a click on a vowel") << ""_ba << u"show tele, click 2"_s << u"téle"_s << 5;
        QTest::newRow("two clicks on one vowel")
            << ""_ba << u"show tele, click 2, click 2"_s << u"tele"_s << 5;
        QTest::newRow("clicks on a consonant and tile 0")
            << ""_ba << u"show tele, click 1, click 0"_s << u"tele"_s << 5;
        QTest::newRow("clicks outside the tiles")
            << ""_ba << u"show tele, click -1, click 384"_s << u"tele"_s << 5;
    }
    void board()
    {
        QFETCH(QString, board);
        QFETCH(int, shown);
        const std::unique_ptr<GameFixture> fixture = playRow({0, 0, 0, 0.9});
        QCOMPARE(boardText(fixture->game), board);
        QCOMPARE(shownTileCount(fixture->game), shown);
    }

    // Text colours of tiles 0 to 6 on the board of "tele" or "mamá": the tile clicked last
    // is selected and the one before turns white; a miss tints every tile of the answer,
    // the hidden one that ends it too; a new phrase starts from white tiles.
    void colours_data()
    {
        addPlayColumns();
        QTest::addColumn<QString>("colours");
        const Steps tele = u"show tele"_s;
        const Steps missed = Started + u", click 2, Submit"_s;
        QTest::newRow("a click") << ""_ba << tele + u", click 2"_s << u"WWSWWWW"_s;
        QTest::newRow("a second click on the tile")
            << ""_ba << tele + u", click 2, click 2"_s << u"WWSWWWW"_s;
        QTest::newRow("then another tile")
            << ""_ba << tele + u", click 2, click 4"_s << u"WWWWSWW"_s;
        QTest::newRow("then tile 0") << ""_ba << tele + u", click 4, click 0"_s << u"SWWWWWW"_s;
        QTest::newRow("a click outside the tiles")
            << ""_ba << tele + u", click 2, click 384"_s << u"WWSWWWW"_s;
        QTest::newRow("a miss") << "mam\xE1\r\n"_ba << missed << u"TTTTTTW"_s;
        QTest::newRow("a click after a miss")
            << "mam\xE1\r\n"_ba << missed + u", click 3"_s << u"TTWSTTW"_s;
        QTest::newRow("the first click whitens tile 0")
            << "mam\xE1\r\n"_ba << Started + u", Submit, click 2"_s << u"WTSTTTW"_s;
        QTest::newRow("a click whitens the tile selected on the board before")
            << "mam\xE1\r\n"_ba << Started + u", click 3, Start, Submit, click 2"_s << u"TTSWTTW"_s;
        QTest::newRow("a new phrase")
            << "mam\xE1\r\n"_ba << missed + u", show dos"_s << u"WWWWWWW"_s;
    }
    void colours()
    {
        QFETCH(QString, colours);
        QCOMPARE(playRow()->colours(7), colours);
    }

    // Every tile back at 36 points and white, the enlarged and tinted ones too.
    void newPhraseStartsFromPlainTiles()
    {
        GameFixture fixture("uno\r\n");
        fixture.play(u"show tele, hover 3, click 2, Submit, show dos"_s);
        QStringList changed;
        for (int i = 0; i < TileCount; ++i) {
            if (fixture.game.letter(i).points != 36
                || fixture.game.letter(i).textColour != 0xFFFFFF)
                changed << QString::number(i);
        }
        QCOMPARE(changed, QStringList());
    }

    // Where the game lays out the phrase "x" * 200 (tiles 150 twips wide, the empty tile 0
    // 180, 825 high) in the window's outer width, 15000; the flow itself is tst_board's.
    // A hovered tile grows where it stands.
    void layout_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<int>("tile");
        QTest::addColumn<float>("left");
        QTest::addColumn<float>("top");
        QTest::newRow("tile 2, after the empty tile 0") << QString() << 2 << 430.0f << 400.0f;
        QTest::newRow("first of the second row") << QString() << 72 << 100.0f << 1245.0f;
        QTest::newRow("a hovered tile") << u"hover 2"_s << 2 << 430.0f << 400.0f;
    }
    void layout()
    {
        QFETCH(Steps, steps);
        QFETCH(int, tile);
        QFETCH(float, left);
        QFETCH(float, top);
        GameFixture fixture("uno\r\n");
        fixture.game.ShowPhrase(std::u16string(200, u'x'));
        if (!steps.isEmpty())
            fixture.play(steps);
        QCOMPARE(fixture.game.letter(tile).left, left);
        QCOMPARE(fixture.game.letter(tile).top, top);
    }

    // The tile under the mouse grows to 46 points, in front of every other label; the
    // one hovered before shrinks back to 36.
    void hover()
    {
        GameFixture fixture("uno\r\n");
        fixture.play(u"show tele, hover 3, hover 4"_s);
        QCOMPARE(fixture.game.letter(3).points, 36.0);
        QCOMPARE(fixture.game.letter(4).points, 46.0);
        QCOMPARE(fixture.game.letter(4).width, 210.0f);
        QCOMPARE(fixture.game.frontToBack().back(), 4);
    }

    void reportLiesBehindEveryTile()
    {
        GameFixture fixture("uno\r\n");
        QCOMPARE(fixture.game.frontToBack().front(), Game::ReportLabelIndex);
    }

    // The report's caption: written after each submission that finds an attempt, again
    // after the last phrase; emptied by Start, Help and Credits.
    void report_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QString>("caption");
        const Steps hit = Started + u", Submit"_s;
        QTest::newRow("before a game") << u"Load, LoadPhrases, Submit"_s << QString();
        QTest::newRow("a hit") << hit << u" Score :  100% Shots :  1 Hits   :  1"_s;
        QTest::newRow("after the last phrase")
            << hit + u", Submit"_s << u" Score :  100% Shots :  1 Hits   :  1"_s;
        QTest::newRow("a new game") << hit + u", Start"_s << QString();
        QTest::newRow("Help") << hit + u", Help"_s << QString();
        QTest::newRow("Credits") << hit + u", Credits"_s << QString();
    }
    void report()
    {
        QFETCH(Steps, steps);
        QFETCH(QString, caption);
        GameFixture fixture("uno\r\n");
        fixture.play(steps);
        QCOMPARE(fixture.report(), caption);
    }

    // Low in the window: 85/100 of the window's outer height plus its top on the screen,
    // centred on its outer width, and held inside the inner area. The caption is 35
    // characters, 4200 twips wide, 525 high.
    void reportPlace_data()
    {
        QTest::addColumn<WindowFrame>("frame");
        QTest::addColumn<float>("left");
        QTest::addColumn<float>("top");
        QTest::newRow("at the top of the screen")
            << WindowFrame{15000, 10500, 0, 14700, 9600} << 5400.0f << 8925.0f;
        QTest::newRow("lower on the screen")
            << WindowFrame{15000, 10500, 150, 14700, 9600} << 5400.0f << 9052.5f;
        QTest::newRow("held above the bottom")
            << WindowFrame{15000, 10500, 1500, 14700, 9600} << 5400.0f << 9075.0f;
        QTest::newRow("narrower than the report")
            << WindowFrame{3000, 10500, 0, 2700, 9600} << 0.0f << 8925.0f;
    }
    void reportPlace()
    {
        QFETCH(WindowFrame, frame);
        QFETCH(float, left);
        QFETCH(float, top);
        GameFixture fixture("mam\xE1\r\n");
        fixture.window.geometry = frame;
        fixture.play(Started + u", Submit"_s);
        QCOMPARE(fixture.report(), u" Score :  0% Shots :  1 Hits   :  0"_s);
        QCOMPARE(fixture.game.reportLabel().left, left);
        QCOMPARE(fixture.game.reportLabel().top, top);
    }

    // With no attempt counted, a submission leaves the report where it was made.
    void reportStaysWithoutAnAttempt()
    {
        GameFixture fixture("uno\r\n");
        fixture.play(u"Load, LoadPhrases, Submit"_s);
        QCOMPARE(fixture.game.reportLabel().left, 6360.0f);
        QCOMPARE(fixture.game.reportLabel().top, 4560.0f);
        QCOMPARE(uint(fixture.game.reportLabel().textColour), 0x00FF00u);
    }

    // Coloured by the score before it is rounded: 25 hits in 42 shots, 59.52 %, are red.
    void reportIsColouredByTheScore_data()
    {
        addPlayColumns();
        QTest::addColumn<uint>("colour");
        QTest::newRow("0 %") << "mam\xE1\r\n"_ba << Started + u", Submit"_s << 0x0000FFu;
        // The queue: "á", then the 24 "a"; 17 misses on "á", then 25 hits.
        const QString misses = u", Submit"_s.repeated(17);
        const QString hits = u", click 1, Submit"_s + u", Submit"_s.repeated(24);
        QTest::newRow("59.52 %") << "a\r\n"_ba.repeated(24) + "\xE1\r\n"_ba
                                 << Started + misses + hits << 0x0000FFu;
        QTest::newRow("100 %") << "uno\r\n"_ba << Started + u", Submit"_s << 0x00FF00u;
    }
    void reportIsColouredByTheScore()
    {
        QFETCH(uint, colour);
        QCOMPARE(uint(playRow()->game.reportLabel().textColour), colour);
    }

    // A further move within the tile under the mouse keeps it enlarged.
    void hoverTwiceOverOneTile()
    {
        GameFixture fixture("uno\r\n");
        fixture.play(u"show tele, hover 3, hover 3"_s);
        QCOMPARE(fixture.game.letter(3).points, 46.0);
    }

    // Help empties the report, which shrinks where it stands to the width of an empty
    // caption; the next submission shows it again, after the last phrase too.
    void helpEmptiesTheReportInPlace()
    {
        GameFixture fixture("uno\r\n");
        fixture.play(Started + u", Submit"_s);
        const Label before = fixture.game.reportLabel();
        fixture.play(u"Help"_s);
        QCOMPARE(fixture.game.reportLabel().width, 150.0f);
        QCOMPARE(fixture.game.reportLabel().left, before.left);
        QCOMPARE(fixture.game.reportLabel().top, before.top);
        fixture.play(u"Submit"_s);
        QCOMPARE(fixture.report(), u" Score :  100% Shots :  1 Hits   :  1"_s);
    }
};

QTEST_GUILESS_MAIN(TestGame)
#include "tst_game.moc"
