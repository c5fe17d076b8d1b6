// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game without a window: loading, the start of a game, the board a phrase is laid out
// on, clicks and hovers on its tiles, answers judged against the head of the queue, the
// score report, and the messages of the text panel.
#include "gamefixture.h"
#include "qtext.h"

#include <QTest>

#include <set>

using namespace Qt::StringLiterals;

// Text colours, 0xBBGGRR.
constexpr BgrColour White = 0xFFFFFF;
constexpr BgrColour Selected = 0xC0C000;
constexpr BgrColour WrongAnswer = 0x80FFFF;

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
    void loadSeedsFromTheClock()
    {
        GameFixture fixture("uno\r\n");
        fixture.game.Load();
        QCOMPARE(fixture.random->seeds, std::vector<float>{45296.25f});
    }

    // The draw r picks colour number floor(7 r) + 1.
    void loadPaintsTheBackground_data()
    {
        QTest::addColumn<double>("draw");
        QTest::addColumn<uint>("colour");
        QTest::newRow("0: dark blue") << 0.0 << 0x400000u;
        QTest::newRow("just below 1/7: dark blue") << 0.1428 << 0x400000u;
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

    // The report goes below what the panel shows; a file that cannot be read gives the
    // warning on a cleared panel and disables Start.
    void loadPhrases_data()
    {
        QTest::addColumn<std::optional<std::string>>("file");
        QTest::addColumn<bool>("helpFirst");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("startEnabled");
        QTest::newRow("two phrases")
            << std::optional<std::string>("uno\r\ndos") << false << loadReport(2) << true;
        QTest::newRow("empty") << std::optional<std::string>("") << false << loadReport(0) << true;
        QTest::newRow("unreadable") << std::optional<std::string>() << false << Warning << false;
        QTest::newRow("undecodable")
            << std::optional(std::string("\xFF\xFE\0\0", 4)) << false << Warning << false;
        QTest::newRow("unreadable after Help")
            << std::optional<std::string>() << true << Warning << false;
    }
    void loadPhrases()
    {
        QFETCH(std::optional<std::string>, file);
        QFETCH(bool, helpFirst);
        QFETCH(QStringList, lines);
        QFETCH(bool, startEnabled);
        GameFixture fixture(file);
        fixture.game.Load();
        if (helpFirst)
            fixture.game.Help();
        fixture.game.LoadPhrases();
        QCOMPARE(fixture.lines(), lines);
        QCOMPARE(fixture.game.startEnabled(), startEnabled);
    }

    void loadReportGoesBelowThePanel()
    {
        GameFixture fixture("uno\r\n");
        fixture.game.Load();
        fixture.game.Credits();
        fixture.game.LoadPhrases();
        QCOMPARE(fixture.lines().mid(9), loadReport(1));
    }

    void startDoesNothingOnceDisabled()
    {
        GameFixture fixture(std::nullopt, {0.1, 0.3});
        fixture.start();
        QCOMPARE(fixture.random->drawCount, 1);
    }

    // Load's colour, then Start's (0.3: dark red), then one draw a phrase: k = 0, 1, 0 of
    // m + 1 = 1, 2, 3 places give P3, P1, P2.
    void startDrawsTheColourThenTheQueue()
    {
        GameFixture fixture("P1\r\nP2\r\nP3\r\n", {0.1, 0.3, 0.9, 0.7, 0.2});
        fixture.start();
        QCOMPARE(uint(fixture.game.backgroundColour()), 0x000040u);
        QCOMPARE(queue(fixture.game), QStringList({u"P3"_s, u"P1"_s, u"P2"_s}));
    }

    void startKeepsRepeatedPhrases()
    {
        GameFixture fixture("uno\r\nuno\r\ndos\r\n", {0, 0, 0.9, 0.9, 0.9});
        fixture.start();
        QCOMPARE(queue(fixture.game), QStringList({u"uno"_s, u"uno"_s, u"dos"_s}));
    }

    void startShowsTheHeadOfTheQueue()
    {
        GameFixture fixture("el caf\xE9\r\n");
        fixture.start();
        QCOMPARE(fixture.board(), u"el cafe"_s);
    }

    void startResetsTheGame()
    {
        GameFixture fixture("uno\r\ndos\r\n");
        fixture.start();
        fixture.game.Submit();
        fixture.game.LetterClick(3);
        fixture.game.Submit();
        fixture.game.Start();
        QCOMPARE(fixture.game.hitCount(), std::optional<std::uint64_t>(0));
        QCOMPARE(fixture.game.missCount(), 0);
        QCOMPARE(fixture.report(), QString());
        QCOMPARE(fixture.game.playListCount(), 2u);
    }

    void startWithNoPhrasesShowsAnEmptyBoard()
    {
        GameFixture fixture("\r\n   \r\n");
        fixture.start();
        QCOMPARE(fixture.shownTiles(), 1);
        QCOMPARE(fixture.game.hitCount(), std::optional<std::uint64_t>(0));
    }

    // Tiles 150 twips wide (the empty tile 0 180), 50 apart, from (0, 400); a row ends
    // when the next left plus the width just placed reaches 97/100 of the window's outer
    // width, and the next starts at 100, 20 below the tile that ended it.
    void layout_data()
    {
        QTest::addColumn<double>("outerWidth");
        QTest::addColumn<int>("tile");
        QTest::addColumn<float>("left");
        QTest::addColumn<float>("top");
        QTest::newRow("tile 0") << 15000.0 << 0 << 0.0f << 400.0f;
        QTest::newRow("tile 1 after the empty tile 0") << 15000.0 << 1 << 230.0f << 400.0f;
        QTest::newRow("tile 2") << 15000.0 << 2 << 430.0f << 400.0f;
        QTest::newRow("last of the row") << 15000.0 << 71 << 14230.0f << 400.0f;
        QTest::newRow("first of the next row") << 15000.0 << 72 << 100.0f << 1245.0f;
        QTest::newRow("second of the next row") << 15000.0 << 73 << 300.0f << 1245.0f;
        QTest::newRow("exactly at the limit") << 14000.0 << 67 << 100.0f << 1245.0f;
        QTest::newRow("just below the limit") << 14001.0 << 67 << 13430.0f << 400.0f;
    }
    void layout()
    {
        QFETCH(double, outerWidth);
        QFETCH(int, tile);
        QFETCH(float, left);
        QFETCH(float, top);
        GameFixture fixture("uno\r\n");
        fixture.window.geometry.outerWidth = outerWidth;
        fixture.game.ShowPhrase(std::u16string(200, u'x'));
        QCOMPARE(fixture.game.letter(tile).left, left);
        QCOMPARE(fixture.game.letter(tile).top, top);
    }

    void layoutTakesTileSizesFromTheirCaptions()
    {
        GameFixture fixture("uno\r\n");
        fixture.game.ShowPhrase(u"ab");
        QCOMPARE(fixture.game.letter(0).width, 180.0f);
        QCOMPARE(fixture.game.letter(1).width, 150.0f);
        QCOMPARE(fixture.game.letter(2).height, 825.0f);
    }

    // Tile 0 is empty; tile i shows character i without its acute accent.
    void boardShowsThePhraseUnaccented_data()
    {
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<QString>("board");
        QTest::addColumn<int>("shown");
        QTest::newRow("empty") << QString() << QString() << 1;
        QTest::newRow("sí") << u"sí"_s << u"si"_s << 3;
        QTest::newRow("capitals, ñ and ü") << u"ÁÉÍÓÚ ñü"_s << u"AEIOU ñü"_s << 9;
        QTest::newRow("383 characters") << QString(383, u'á') << QString(383, u'a') << 384;
        QTest::newRow("past the last tile") << QString(500, u'é') << QString(383, u'e') << 384;
    }
    void boardShowsThePhraseUnaccented()
    {
        QFETCH(QString, phrase);
        QFETCH(QString, board);
        QFETCH(int, shown);
        GameFixture fixture("uno\r\n");
        fixture.game.ShowPhrase(phrase.toStdU16String());
        QCOMPARE(fixture.board(), board);
        QCOMPARE(fixture.shownTiles(), shown);
    }

    void showPhraseClearsThePanel()
    {
        GameFixture fixture("uno\r\n");
        fixture.game.Load();
        fixture.game.Help();
        fixture.game.ShowPhrase(u"uno");
        QCOMPARE(fixture.lines(), QStringList());
    }

    void showPhraseStartsFromPlainTiles()
    {
        GameFixture fixture("uno\r\n");
        fixture.game.ShowPhrase(u"tele");
        fixture.game.LetterMouseMove(3);
        fixture.game.LetterClick(2);
        fixture.game.Submit();
        fixture.game.ShowPhrase(u"dos");
        std::set<double> points;
        std::set<BgrColour> colours;
        for (int i = 0; i < TileCount; ++i) {
            points.insert(fixture.game.letter(i).points);
            colours.insert(fixture.game.letter(i).textColour);
        }
        QCOMPARE(points, std::set<double>{36});
        QCOMPARE(colours, std::set<BgrColour>{White});
    }

    void clearBoardHidesAndEmptiesEveryTile()
    {
        GameFixture fixture("uno\r\n");
        fixture.game.ShowPhrase(u"tele");
        fixture.game.ClearBoard();
        QCOMPARE(fixture.shownTiles(), 0);
        QCOMPARE(fixture.game.letter(2).caption, std::u16string());
    }

    // A click toggles the tile's accent and colours it as the tile clicked last; the one
    // clicked before turns white.
    void clicks_data()
    {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QString>("board");
        QTest::addColumn<QList<uint>>("colours");
        const QList<uint> none = {White, White, White, White, White};
        QTest::newRow("a vowel") << QList<int>{2} << u"téle"_s
                                 << QList<uint>{White, White, Selected, White, White};
        QTest::newRow("twice") << QList<int>{2, 2} << u"tele"_s
                               << QList<uint>{White, White, Selected, White, White};
        QTest::newRow("then another")
            << QList<int>{2, 4} << u"télé"_s << QList<uint>{White, White, White, White, Selected};
        QTest::newRow("a consonant")
            << QList<int>{1} << u"tele"_s << QList<uint>{White, Selected, White, White, White};
        QTest::newRow("tile 0") << QList<int>{4, 0} << u"telé"_s
                                << QList<uint>{Selected, White, White, White, White};
        QTest::newRow("a tile outside the array") << QList<int>{-1, 384} << u"tele"_s << none;
    }
    void clicks()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(QString, board);
        QFETCH(QList<uint>, colours);
        GameFixture fixture("uno\r\n");
        fixture.game.ShowPhrase(u"tele");
        for (int tile : clicks)
            fixture.game.LetterClick(tile);
        QCOMPARE(fixture.board(), board);
        QList<uint> shown;
        for (int i = 0; i < 5; ++i)
            shown << fixture.game.letter(i).textColour;
        QCOMPARE(shown, colours);
    }

    void clickAfterAMissWhitensOnlyTheSelectedTile()
    {
        GameFixture fixture("mam\xE1\r\n");
        fixture.start();
        fixture.game.LetterClick(2);
        fixture.game.Submit();
        fixture.game.LetterClick(3);
        QCOMPARE(fixture.game.letter(2).textColour, White);
        QCOMPARE(fixture.game.letter(4).textColour, WrongAnswer);
    }

    // The tile under the mouse grows to 46 points, in front of every other label; the
    // one hovered before shrinks back to 36.
    void hover()
    {
        GameFixture fixture("uno\r\n");
        fixture.game.ShowPhrase(u"tele");
        fixture.game.LetterMouseMove(3);
        fixture.game.LetterMouseMove(4);
        QCOMPARE(fixture.game.letter(3).points, 36.0);
        QCOMPARE(fixture.game.letter(4).points, 46.0);
        QCOMPARE(fixture.game.letter(4).width, 210.0f);
        QCOMPARE(fixture.game.frontToBack().back(), 4);
    }

    void hoverKeepsTheTileInPlace()
    {
        GameFixture fixture("uno\r\n");
        fixture.game.ShowPhrase(u"tele");
        fixture.game.LetterMouseMove(2);
        QCOMPARE(fixture.game.letter(2).left, 430.0f);
        QCOMPARE(fixture.game.letter(2).top, 400.0f);
    }

    void reportLiesBehindEveryTile()
    {
        GameFixture fixture("uno\r\n");
        QCOMPARE(fixture.game.frontToBack().front(), Game::ReportLabelIndex);
    }

    void submissionBeforeAGamePrompts()
    {
        GameFixture fixture("uno\r\n");
        fixture.game.Load();
        fixture.game.LoadPhrases();
        fixture.game.Submit();
        QCOMPARE(fixture.lines(), Prompt);
        QCOMPARE(fixture.report(), QString());
        QCOMPARE(fixture.game.missCount(), 0);
    }

    // A miss counts one and tints every shown tile, the right ones too, and the hidden
    // tile that ends the answer; the phrase stays.
    void miss()
    {
        GameFixture fixture("mam\xE1\r\n");
        fixture.start();
        fixture.game.LetterClick(2);
        fixture.game.Submit();
        QCOMPARE(fixture.game.missCount(), 1);
        QCOMPARE(fixture.board(), u"máma"_s);
        QList<BgrColour> colours;
        for (int i = 0; i <= 6; ++i)
            colours << fixture.game.letter(i).textColour;
        QCOMPARE(colours, QList<BgrColour>(6, WrongAnswer) << White);
    }

    // Only the very same characters are a hit; a hit shows the next phrase.
    void answers_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<int>("hits");
        QTest::newRow("no accent, no click") << "uno\r\n"_ba << QList<int>{} << 1;
        QTest::newRow("an accent, no click") << "mam\xE1\r\n"_ba << QList<int>{} << 0;
        QTest::newRow("the accent put back") << "mam\xE1\r\n"_ba << QList<int>{4} << 1;
        QTest::newRow("one accent too many") << "mam\xE1\r\n"_ba << QList<int>{4, 2} << 0;
        QTest::newRow("a capital") << "\xC9l\r\n"_ba << QList<int>{1} << 1;
        QTest::newRow("past the board, as far as it shows")
            << QByteArray(400, 'z') << QList<int>{} << 1;
    }
    void answers()
    {
        QFETCH(QByteArray, file);
        QFETCH(QList<int>, clicks);
        QFETCH(int, hits);
        GameFixture fixture(file.toStdString());
        fixture.start();
        for (int tile : clicks)
            fixture.game.LetterClick(tile);
        fixture.game.Submit();
        QCOMPARE(fixture.game.hitCount(), std::optional<std::uint64_t>(hits));
    }

    void hitShowsTheNextPhrase()
    {
        GameFixture fixture("uno\r\ndos\r\n", {0, 0, 0, 0.9});
        fixture.start();
        fixture.game.Submit();
        QCOMPARE(fixture.board(), u"dos"_s);
        QCOMPARE(fixture.game.playListCount(), 1u);
    }

    void lastHitLeavesAnEmptyBoard()
    {
        GameFixture fixture("uno\r\n");
        fixture.start();
        fixture.game.Submit();
        QCOMPARE(fixture.shownTiles(), 1);
        QCOMPARE(fixture.game.playListCount(), 0u);
    }

    void afterTheLastPhraseTheReportStays()
    {
        GameFixture fixture("uno\r\n");
        fixture.start();
        fixture.game.Submit();
        fixture.game.Submit();
        QCOMPARE(fixture.lines(), Prompt);
        QCOMPARE(fixture.report(), u" Score :  100% Shots :  1 Hits   :  1"_s);
    }

    void helpDuringAGameHidesThePhrase()
    {
        GameFixture fixture("uno\r\n");
        fixture.start();
        fixture.game.Help();
        fixture.game.Submit();
        QCOMPARE(fixture.game.missCount(), 1);
        QCOMPARE(fixture.game.playListCount(), 1u);
    }

    void missesStopAtTheLargest16BitCount()
    {
        GameFixture fixture("mam\xE1\r\n");
        fixture.start();
        for (int i = 0; i < 32768; ++i)
            fixture.game.CheckAnswer();
        QCOMPARE(fixture.game.missCount(), 32767);
    }

    // Help and Credits clear the board, the panel and the report, and print their lines.
    void messages_data()
    {
        QTest::addColumn<bool>("help");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("Help") << true
                              << QStringList{
                                     u""_s,
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
        QTest::newRow("Credits") << false
                                 << QStringList{u""_s,
                                                u" Acutrix, the acute accent quiz."_s,
                                                u""_s,
                                                u" Written by the Acutrix developers."_s,
                                                u""_s,
                                                u" Made with C++, Qt and Comfortaa."_s,
                                                u""_s,
                                                u" Free software: GNU GPL 3 or later."_s,
                                                u" Thanks to every teacher!"_s};
    }
    void messages()
    {
        QFETCH(bool, help);
        QFETCH(QStringList, lines);
        GameFixture fixture("uno\r\n");
        fixture.start();
        fixture.game.Submit();
        help ? fixture.game.Help() : fixture.game.Credits();
        help ? fixture.game.Help() : fixture.game.Credits();
        QCOMPARE(fixture.lines(), lines);
        QCOMPARE(fixture.shownTiles(), 0);
        QCOMPARE(fixture.report(), QString());
        QCOMPARE(fixture.game.hitCount(), std::optional<std::uint64_t>(1));
    }

    void newBackgroundErasesThePanel()
    {
        GameFixture fixture("uno\r\n");
        fixture.game.Load();
        fixture.game.LoadPhrases();
        fixture.game.PaintBackground();
        QCOMPARE(fixture.lines(), QStringList());
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
        fixture.start();
        fixture.game.Submit();
        QCOMPARE(fixture.report(), u" Score :  0% Shots :  1 Hits   :  0"_s);
        QCOMPARE(fixture.game.reportLabel().left, left);
        QCOMPARE(fixture.game.reportLabel().top, top);
    }

    void reportIsColouredByTheScore()
    {
        GameFixture fixture("mam\xE1\r\n");
        fixture.start();
        fixture.game.Submit();
        QCOMPARE(uint(fixture.game.reportLabel().textColour), 0x0000FFu);
    }
    // The random source is seeded once, at Load, before its first draw: a colour at Load,
    // then at each Start a colour and one draw a phrase.
    void seedsOnceBeforeTheFirstDraw()
    {
        QString calls;
        struct Recorder : RandomSource {
            explicit Recorder(QString &log)
                : calls(log)
            { }
            void seed(float) override { calls += u's'; }
            double next() override
            {
                calls += u'd';
                return 0;
            }
            QString &calls;
        };
        FixedMeasure measure;
        FixedWindow window;
        Game game(
            measure, window, [] { return std::optional<std::string>("uno\r\ndos\r\n"); },
            [] { return 0.0f; }, std::make_unique<Recorder>(calls));
        game.Load();
        game.LoadPhrases();
        game.Start();
        game.Start();
        QCOMPARE(calls, u"sddddddd"_s);
    }

    // The first click whitens the tile that selectedTile names: tile 0 at first, and
    // after a new board the tile clicked on the board before.
    void clickWhitensTheTileSelectedBefore_data()
    {
        QTest::addColumn<QList<int>>("earlier");
        QTest::addColumn<int>("whitened");
        QTest::addColumn<int>("tinted");
        QTest::newRow("tile 0 at first") << QList<int>{} << 0 << 1;
        QTest::newRow("a tile of the board before") << QList<int>{3} << 3 << 0;
    }
    void clickWhitensTheTileSelectedBefore()
    {
        QFETCH(QList<int>, earlier);
        QFETCH(int, whitened);
        QFETCH(int, tinted);
        GameFixture fixture("mam\xE1\r\n");
        fixture.start();
        for (int tile : earlier)
            fixture.game.LetterClick(tile);
        fixture.game.Start();
        fixture.game.Submit();
        fixture.game.LetterClick(2);
        QCOMPARE(fixture.game.letter(whitened).textColour, White);
        QCOMPARE(fixture.game.letter(tinted).textColour, WrongAnswer);
    }

    // A further move within the tile under the mouse keeps it enlarged.
    void hoverTwiceOverOneTile()
    {
        GameFixture fixture("uno\r\n");
        fixture.game.ShowPhrase(u"tele");
        fixture.game.LetterMouseMove(3);
        fixture.game.LetterMouseMove(3);
        QCOMPARE(fixture.game.letter(3).points, 46.0);
    }

    // Help empties the report, which shrinks where it stands to the width of an empty
    // caption; the next submission shows it again, after the last phrase too.
    void helpEmptiesTheReportInPlace()
    {
        GameFixture fixture("uno\r\n");
        fixture.start();
        fixture.game.Submit();
        const Label before = fixture.game.reportLabel();
        fixture.game.Help();
        QCOMPARE(fixture.game.reportLabel().width, 150.0f);
        QCOMPARE(fixture.game.reportLabel().left, before.left);
        QCOMPARE(fixture.game.reportLabel().top, before.top);
        fixture.game.Submit();
        QCOMPARE(fixture.report(), u" Score :  100% Shots :  1 Hits   :  1"_s);
    }
};

QTEST_GUILESS_MAIN(TestGame)
#include "tst_game.moc"
