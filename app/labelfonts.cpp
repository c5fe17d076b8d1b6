// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "labelfonts.h"

#include "twips.h"

LabelFonts::LabelFonts()
    : m_tileFont(QStringLiteral("Arial Rounded MT Bold"))
    , m_reportFont(QStringLiteral("Verdana"))
{
    m_tileFont.setWeight(QFont::Normal);
    m_reportFont.setWeight(QFont::Bold);
}

const LabelFonts::Font &LabelFonts::font(LabelFace face, double points) const
{
    for (const Font &known : m_fonts) {
        if (known.face == face && known.points == points)
            return known;
    }
    QFont font = face == LabelFace::Tile ? m_tileFont : m_reportFont;
    font.setPointSizeF(points);
    m_fonts.push_back({face, points, font, &CaptionMetrics::of(font)});
    return m_fonts.back();
}

TwipSize LabelFonts::captionSize(std::u16string_view caption, LabelFace face, double points) const
{
    const CaptionMetrics &metrics = *font(face, points).metrics;
    const int width = metrics.width(QStringView(caption.data(), qsizetype(caption.size())));
    return {float(width * TwipsPerPixel), float(metrics.height() * TwipsPerPixel)};
}
