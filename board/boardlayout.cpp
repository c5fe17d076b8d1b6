// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardlayout.h"

#include "accents.h"

#include <algorithm>

namespace {

constexpr float FirstRowTop = 400;
constexpr float RowIndent = 100;
constexpr float TileGap = 50;
constexpr float RowGap = 20;

} // namespace

std::vector<std::u16string> boardCaptions(std::u16string_view phrase)
{
    const std::size_t shown = std::min<std::size_t>(phrase.size(), MaxPhraseTiles);
    std::vector<std::u16string> captions;
    captions.reserve(shown + 1);
    captions.emplace_back();
    for (std::size_t i = 0; i < shown; ++i)
        captions.push_back(NOTilde(phrase.substr(i, 1)));
    return captions;
}

std::vector<TilePlace> flowTiles(std::span<const TileBox> tiles, float outerWidth)
{
    const float limit = outerWidth * 97.0f / 100.0f;
    std::vector<TilePlace> places;
    places.reserve(tiles.size());
    float x = 0;
    float y = FirstRowTop;
    for (const TileBox &tile : tiles) {
        const TilePlace place{x, y};
        places.push_back(place);
        x = place.left + tile.width + TileGap;
        if (x + tile.width >= limit) {
            x = RowIndent;
            y = place.top + tile.height + RowGap;
        }
    }
    return places;
}
