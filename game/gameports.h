// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GAMEPORTS_H
#define GAMEPORTS_H

#include <string_view>

// What the game needs to know of the front end that shows it, and cannot know itself.
// Sizes and places are in twips, 15 to a pixel at 96 dots per inch.

// The faces the labels are drawn in: the tiles', and the score report's.
enum class LabelFace { Tile, Report };

struct TwipSize {
    float width;
    float height;
};

class CaptionMeasure
{
public:
    virtual ~CaptionMeasure() = default;
    // The size a caption takes in a face at a point size: its width, and the height of one
    // line of the face.
    virtual TwipSize captionSize(std::u16string_view caption, LabelFace face,
                                 double points) const = 0;
};

struct WindowFrame {
    // The whole window, frame included, and the place of its top edge on the screen.
    double outerWidth;
    double outerHeight;
    double top;
    // The area below the menu bar, where the board and the text panel are.
    double innerWidth;
    double innerHeight;
};

class WindowGeometry
{
public:
    virtual ~WindowGeometry() = default;
    virtual WindowFrame frame() const = 0;
};

#endif
