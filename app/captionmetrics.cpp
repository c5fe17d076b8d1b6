// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "captionmetrics.h"

#include <algorithm>
#include <memory>

namespace {

// How far the accented capitals reach above the baseline.
int accentedCapitalsHeight(const QFontMetrics &metrics)
{
    return -metrics.boundingRect(QStringLiteral(u"ÁÉÍÓÚ")).top();
}

} // namespace

CaptionMetrics::CaptionMetrics(const QFont &font)
    : m_metrics(font)
    // Some faces (Comfortaa among them) draw the accent of a capital above their own
    // ascent; the label then stands taller, so that Á É Í Ó Ú are shown whole.
    , m_ascent(std::max(m_metrics.ascent(), accentedCapitalsHeight(m_metrics)))
{
    m_height = m_ascent + m_metrics.descent();
}

const CaptionMetrics &CaptionMetrics::of(const QFont &font)
{
    // Only a handful of fonts are ever used: the tiles at two sizes and the report.
    static QHash<QString, std::shared_ptr<CaptionMetrics>> cache;
    std::shared_ptr<CaptionMetrics> &metrics = cache[font.key()];
    if (!metrics)
        metrics.reset(new CaptionMetrics(font));
    return *metrics;
}

int CaptionMetrics::width(QStringView caption) const
{
    if (caption.size() != 1)
        return m_metrics.horizontalAdvance(caption.toString());
    const char16_t character = caption[0].unicode();
    auto found = m_characterWidths.constFind(character);
    if (found == m_characterWidths.constEnd())
        found =
            m_characterWidths.insert(character, m_metrics.horizontalAdvance(caption.toString()));
    return *found;
}
