// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page's script sees of the game: its operations, run by the page's events, and
// the state the page draws. Text crosses as JavaScript strings, code unit for code unit.

#include "phrasefile.h"
#include "webgame.h"

#include <emscripten/bind.h>

using namespace emscripten;

namespace {

template<void (Game::*operation)()>
void run(WebGame &web)
{
    (web.game().*operation)();
}

void letterClick(WebGame &web, int index)
{
    web.game().LetterClick(index);
}

void letterMouseMove(WebGame &web, int index)
{
    web.game().LetterMouseMove(index);
}

Label label(const WebGame &web, int index)
{
    return index == Game::ReportLabelIndex ? web.game().reportLabel() : web.game().letter(index);
}

int frontLabel(const WebGame &web)
{
    return web.game().frontToBack().back();
}

std::uint32_t backgroundColour(const WebGame &web)
{
    return web.game().backgroundColour();
}

bool startEnabled(const WebGame &web)
{
    return web.game().startEnabled();
}

int playListCount(const WebGame &web)
{
    return int(web.game().playListCount());
}

std::u16string playListItem(const WebGame &web, int index)
{
    return std::u16string(web.game().playListItem(std::size_t(index)));
}

// A count of hits that JavaScript holds exactly up to 2^53.
double hitCount(const WebGame &web)
{
    return double(web.game().hitCount().value_or(0));
}

int missCount(const WebGame &web)
{
    return web.game().missCount();
}

} // namespace

EMSCRIPTEN_BINDINGS(acutrix)
{
    value_object<Label>("Label")
        .field("caption", &Label::caption)
        .field("shown", &Label::shown)
        .field("points", &Label::points)
        .field("textColour", &Label::textColour)
        .field("left", &Label::left)
        .field("top", &Label::top)
        .field("width", &Label::width)
        .field("height", &Label::height);

    class_<WebGame>("Game")
        .constructor<val>()
        .function("setPhraseFile", &WebGame::setPhraseFile)
        .function("Load", &run<&Game::Load>)
        .function("LoadPhrases", &run<&Game::LoadPhrases>)
        .function("Start", &run<&Game::Start>)
        .function("Help", &run<&Game::Help>)
        .function("Credits", &run<&Game::Credits>)
        .function("Submit", &run<&Game::Submit>)
        .function("LetterClick", &letterClick)
        .function("LetterMouseMove", &letterMouseMove)
        .function("changedLabels", &WebGame::changedLabels)
        .function("panelLines", &WebGame::panelLines)
        .function("label", &label)
        .function("frontLabel", &frontLabel)
        .function("backgroundColour", &backgroundColour)
        .function("startEnabled", &startEnabled)
        .function("playListCount", &playListCount)
        .function("playListItem", &playListItem)
        .function("hitCount", &hitCount)
        .function("missCount", &missCount);

    constant("tileCount", TileCount);
    constant("reportLabelIndex", int(Game::ReportLabelIndex));
    constant("maxPhraseFileBytes", double(MaxPhraseFileBytes));
}
