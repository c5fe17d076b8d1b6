// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef BOARDLAYOUT_H
#define BOARDLAYOUT_H

#include <span>
#include <string>
#include <string_view>
#include <vector>

// The tile array holds 384 tiles, 0 to 383. Tile 0 is always empty, so a phrase
// shows at most 383 characters.
inline constexpr int TileCount = 384;
inline constexpr int MaxPhraseTiles = TileCount - 1;

// Font sizes of a tile, in points.
inline constexpr int NormalTilePoints = 36;
inline constexpr int HoverTilePoints = 46;

// The captions of the tiles that show a phrase: tile 0 empty, tile i the unaccented
// character i (counted from 1). Characters past tile 383 are left out.
std::vector<std::u16string> boardCaptions(std::u16string_view phrase);

// Sizes and places on the board are in twips, single precision.
struct TileBox {
    float width;
    float height;
};

struct TilePlace {
    float left;
    float top;
    bool operator==(const TilePlace &) const = default;
};

// Lays tiles out left to right from (0, 400), wrapping to a new row at left 100
// when the next tile would reach 97/100 of the window's outer width. The width of
// the tile just placed stands in for the width of the next one.
std::vector<TilePlace> flowTiles(std::span<const TileBox> tiles, float outerWidth);

#endif
