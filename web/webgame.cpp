// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "webgame.h"

#include "phrasefile.h"

using emscripten::val;

namespace {

bool sameLook(const Label &a, const Label &b)
{
    return a.caption == b.caption && a.shown == b.shown && a.points == b.points
        && a.textColour == b.textColour && a.left == b.left && a.top == b.top && a.width == b.width
        && a.height == b.height;
}

} // namespace

WebGame::WebGame(val page)
    : m_page(std::move(page))
    , m_game(
          *this, *this, [this] { return m_phraseBytes; },
          [this] { return m_page.call<float>("timeOfDay"); })
{ }

void WebGame::setPhraseFile(const val &bytes)
{
    // Larger files are refused as the desktop game refuses them, before they are copied.
    if (bytes.isNull() || bytes.isUndefined()
        || bytes["length"].as<double>() > double(MaxPhraseFileBytes)) {
        m_phraseBytes.reset();
        return;
    }
    m_phraseBytes = bytes.as<std::string>();
}

TwipSize WebGame::captionSize(std::u16string_view caption, LabelFace face, double points) const
{
    auto key = std::make_tuple(std::u16string(caption), face, points);
    const auto known = m_sizes.find(key);
    if (known != m_sizes.end())
        return known->second;
    const val size = m_page.call<val>("captionSize", std::get<0>(key), int(face), points);
    const TwipSize measured{size[0].as<float>(), size[1].as<float>()};
    m_sizes.emplace(std::move(key), measured);
    return measured;
}

WindowFrame WebGame::frame() const
{
    const val frame = m_page.call<val>("frame");
    return {frame["outerWidth"].as<double>(), frame["outerHeight"].as<double>(),
            frame["top"].as<double>(), frame["innerWidth"].as<double>(),
            frame["innerHeight"].as<double>()};
}

val WebGame::changedLabels()
{
    val changed = val::array();
    int count = 0;
    for (int index = 0; index <= TileCount; ++index) {
        const Label &now =
            index == Game::ReportLabelIndex ? m_game.reportLabel() : m_game.letter(index);
        Label &drawn = m_drawn[std::size_t(index)];
        // A hidden label is not drawn, whatever else it holds.
        if (drawn.shown || now.shown ? sameLook(drawn, now) : true)
            continue;
        drawn = now;
        changed.set(count++, index);
    }
    return changed;
}

val WebGame::panelLines() const
{
    val lines = val::array();
    int count = 0;
    for (const std::u16string &line : m_game.panelLines())
        lines.set(count++, line);
    return lines;
}
