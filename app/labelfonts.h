// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef LABELFONTS_H
#define LABELFONTS_H

#include "captionmetrics.h"
#include "gameports.h"

#include <QFont>

#include <vector>

// The fonts the tiles and the score report are drawn in, at the sizes the game asks for,
// and the sizes their captions take in them. A label's width and height are whole
// pixels, so that it covers the same pixels wherever it is placed.
class LabelFonts : public CaptionMeasure
{
public:
    LabelFonts();

    TwipSize captionSize(std::u16string_view caption, LabelFace face, double points) const override;

    struct Font {
        LabelFace face;
        double points;
        QFont font;
        const CaptionMetrics *metrics;
    };
    // Made when first asked for; a game uses three: the tiles at two sizes and the report.
    const Font &font(LabelFace face, double points) const;

private:
    QFont m_tileFont;
    QFont m_reportFont;
    mutable std::vector<Font> m_fonts;
};

#endif
