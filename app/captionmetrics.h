// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CAPTIONMETRICS_H
#define CAPTIONMETRICS_H

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QString>

// The size a caption takes in one font. Tiles show one character each and a board is
// laid out often, so widths are measured once per character and font, then reused.
class CaptionMetrics
{
public:
    // The shared metrics of a font; they live as long as the program.
    static const CaptionMetrics &of(const QFont &font);

    int height() const { return m_height; }
    int ascent() const { return m_ascent; }
    int width(QStringView caption) const;

private:
    explicit CaptionMetrics(const QFont &font);

    QFontMetrics m_metrics;
    int m_height;
    int m_ascent;
    mutable QHash<char16_t, int> m_characterWidths;
};

#endif
