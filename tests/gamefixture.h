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

#include <string>
#include <vector>

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

struct ScriptedRandom : RandomSource {
    void seed(float seconds) override { seeds.push_back(seconds); }
    double next() override
    {
        return ++drawCount <= int(draws.size()) ? draws[std::size_t(drawCount - 1)] : 0;
    }
    std::vector<double> draws;
    std::vector<float> seeds;
    int drawCount = 0;
};

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
    void start()
    {
        game.Load();
        game.LoadPhrases();
        game.Start();
    }
    int shownTiles() const
    {
        int n = 0;
        while (n < TileCount && game.letter(n).shown)
            ++n;
        return n;
    }
    QString board() const
    {
        std::u16string text;
        for (int i = 0; i < shownTiles(); ++i)
            text += game.letter(i).caption;
        return qtext(text);
    }
    QStringList lines() const
    {
        QStringList text;
        for (const std::u16string &line : game.panelLines())
            text << qtext(line);
        return text;
    }
    QString report() const { return qtext(game.reportLabel().caption); }

    FixedMeasure measure;
    FixedWindow window;
    std::optional<std::string> file;
    ScriptedRandom *random;
    Game game;
};
