// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef WEBGAME_H
#define WEBGAME_H

#include "game.h"
#include "gameports.h"

#include <emscripten/val.h>

#include <map>
#include <optional>
#include <string>
#include <tuple>

// The game as the page holds it. The page is a JavaScript object that answers what the
// game cannot know itself:
//   captionSize(caption, face, points) -> [width, height] in twips (face 0: the tiles',
//     1: the score report's);
//   frame() -> {outerWidth, outerHeight, top, innerWidth, innerHeight} in twips;
//   timeOfDay() -> seconds since midnight.
// Everything else is the game's: the page calls its operations and draws its state.
class WebGame : private CaptionMeasure, private WindowGeometry
{
public:
    explicit WebGame(emscripten::val page);

    // The phrase file's bytes (a Uint8Array), or null when it cannot be read.
    void setPhraseFile(const emscripten::val &bytes);

    Game &game() { return m_game; }
    const Game &game() const { return m_game; }

    // The labels (tiles, then the report) whose look changed since the last call: the
    // page redraws only those. Every label starts hidden in the page, so that the first
    // call names only the labels shown.
    emscripten::val changedLabels();
    emscripten::val panelLines() const;

private:
    TwipSize captionSize(std::u16string_view caption, LabelFace face, double points) const override;
    WindowFrame frame() const override;

    emscripten::val m_page;
    std::optional<std::string> m_phraseBytes;
    // A caption's size in a face never changes once its fonts are loaded.
    mutable std::map<std::tuple<std::u16string, LabelFace, double>, TwipSize> m_sizes;
    Game m_game;
    std::array<Label, TileCount + 1> m_drawn;
};

#endif
