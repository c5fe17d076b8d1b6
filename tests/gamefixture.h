// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A game without a window: captions measured by a fixed rule, a window of a fixed size,
// the phrase file's bytes of the test's choosing, and a random source that gives exactly
// the draws a test asks for, then 0.

#pragma once

#include "game.h"
#include "qtext.h"

#include <QString>
#include <QStringList>

#include <map>
#include <string>
#include <vector>

using namespace Qt::StringLiterals;

// Every character of a tile is 10 pixels wide at 36 points and 14 at 46, every character
// of the report 8; a line is 55, 70 and 35 pixels high. In twips, 15 to a pixel.
struct FixedMeasure : CaptionMeasure {
    TwipSize captionSize(std::u16string_view caption, LabelFace face, double points) const override
    {
        const float characters = float(caption.size());
        if (face == LabelFace::Report)
            return {characters * 120, 525};
        return points == 46 ? TwipSize{characters * 210, 1050} : TwipSize{characters * 150, 825};
    }
};

struct FixedWindow : WindowGeometry {
    WindowFrame frame() const override { return geometry; }
    // 1000 x 700 pixels, 50 below the top of the screen; the inner area 980 x 600.
    WindowFrame geometry{15000, 10500, 750, 14700, 9000};
};

// Records the seeds and the draws in the order they come: "seed S" and "draw".
struct ScriptedRandom : RandomSource {
    void seed(float seconds) override
    {
        events << QStringLiteral("seed %1").arg(seconds, 0, 'f', 2);
    }
    double next() override
    {
        events << QStringLiteral("draw");
        return ++drawCount <= int(draws.size()) ? draws[std::size_t(drawCount - 1)] : 0;
    }
    std::vector<double> draws;
    QStringList events;
    int drawCount = 0;
};

// How many tiles are shown in a row from tile 0, and what they read.
inline int shownTileCount(const Game &game)
{
    int n = 0;
    while (n < TileCount && game.letter(n).shown)
        ++n;
    return n;
}

inline QString boardText(const Game &game)
{
    std::u16string text;
    for (int i = 0; i < shownTileCount(game); ++i)
        text += game.letter(i).caption;
    return qtext(text);
}

struct GameFixture {
    // bytes: the phrase file, or nothing for a file that cannot be read.
    explicit GameFixture(std::optional<std::string> bytes, std::vector<double> draws = {})
        : file(std::move(bytes))
        , random(new ScriptedRandom)
        , game(
              measure, window, [this] { return file; }, [] { return 45296.25f; },
              std::unique_ptr<RandomSource>(random))
    {
        random->draws = std::move(draws);
    }
    // Loads and starts, as the window's first appearance and the Start item do.
    void start() { play(u"Load, LoadPhrases, Start"_s); }
    // Runs the game's operations by name, in order, separated by ", ": those without an
    // argument, and "click N", "hover N" and "show PHRASE" (ShowPhrase, the phrase after
    // one space).
    void play(const QString &steps)
    {
        static const std::map<QString, void (Game::*)()> operations = {
            {u"Load"_s, &Game::Load},
            {u"LoadPhrases"_s, &Game::LoadPhrases},
            {u"Start"_s, &Game::Start},
            {u"Help"_s, &Game::Help},
            {u"Credits"_s, &Game::Credits},
            {u"Submit"_s, &Game::Submit},
            {u"CheckAnswer"_s, &Game::CheckAnswer},
            {u"PaintBackground"_s, &Game::PaintBackground},
            {u"ClearBoard"_s, &Game::ClearBoard},
        };
        for (const QString &step : steps.split(u", "_s)) {
            const QString name = step.section(u' ', 0, 0);
            const QString argument = step.section(u' ', 1);
            if (name == u"click")
                game.LetterClick(argument.toInt());
            else if (name == u"hover")
                game.LetterMouseMove(argument.toInt());
            else if (name == u"show")
                game.ShowPhrase(argument.toStdU16String());
            else
                (game.*operations.at(name))();
        }
    }
    QStringList lines() const
    {
        QStringList text;
        for (const std::u16string &line : game.panelLines())
            text << qtext(line);
        return text;
    }
    QString report() const { return qtext(game.reportLabel().caption); }
    // "hits/misses/phrases queued"; hits that were never counted show as "-".
    QString counts() const
    {
        const std::optional<std::uint64_t> hits = game.hitCount();
        return u"%1/%2/%3"_s.arg(hits ? QString::number(*hits) : u"-"_s)
            .arg(game.missCount())
            .arg(game.playListCount());
    }
    // The text colours of the first tiles: W white, S selected, T a wrong answer's tint.
    QString colours(int tiles) const
    {
        QString letters;
        for (int i = 0; i < tiles; ++i) {
            const BgrColour colour = game.letter(i).textColour;
            letters += colour == 0xFFFFFF ? u'W'
                : colour == 0xC0C000      ? u'S'
                : colour == 0x80FFFF      ? u'T'
                                          : u'?';
        }
        return letters;
    }

    FixedMeasure measure;
    FixedWindow window;
    std::optional<std::string> file;
    ScriptedRandom *random;
    Game game;
};
