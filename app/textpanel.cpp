// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "textpanel.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <vector>

TextPanel::TextPanel(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(24);
    font.setWeight(QFont::Bold);
    setFont(font);
}

void TextPanel::setBackgroundColour(const QColor &colour)
{
    m_backgroundColour = colour;
    m_lines.clear();
    invalidate(rect());
}

void TextPanel::clear()
{
    if (m_lines.isEmpty())
        return;
    invalidate(linesArea(0, m_lines.size()));
    m_lines.clear();
}

void TextPanel::printLine(const QString &line)
{
    m_lines.append(line);
    invalidate(linesArea(m_lines.size() - 1, 1));
}

QRect TextPanel::linesArea(qsizetype first, qsizetype count) const
{
    // A line's glyphs may reach a little past its advance and its line height (an accent
    // above a capital, a tail below): the whole width, and a line more on either side.
    const int lineHeight = fontMetrics().height();
    return QRect(0, int((first - 1) * lineHeight), width(), int((count + 2) * lineHeight));
}

QRegion TextPanel::shownLabelsArea() const
{
    // The labels' rectangles, gathered into bands: a label that starts at most its own
    // height below the band above joins it, so that the rows of tiles make one band and
    // the score report, lower down, another. A few rectangles keep a repaint simple; the
    // empty space between the rows of a band is repainted with them.
    std::vector<QRect> rects;
    for (const QObject *child : children()) {
        const QWidget *label = qobject_cast<const QWidget *>(child);
        if (label && !label->isHidden())
            rects.push_back(label->geometry());
    }
    std::sort(rects.begin(), rects.end(),
              [](const QRect &a, const QRect &b) { return a.top() < b.top(); });
    QRegion area;
    QRect band;
    for (const QRect &rect : rects) {
        if (band.isValid() && rect.top() > band.bottom() + rect.height()) {
            area += band;
            band = QRect();
        }
        band |= rect;
    }
    return area + band;
}

void TextPanel::invalidate(const QRegion &area)
{
    if (m_holds > 0)
        m_heldArea |= area;
    else
        update(area);
}

void TextPanel::holdRepaints()
{
    if (m_holds++ > 0)
        return;
    m_heldArea = shownLabelsArea();
    setUpdatesEnabled(false);
}

void TextPanel::releaseRepaints()
{
    if (--m_holds > 0)
        return;
    // setUpdatesEnabled(true) would also mark every label for repainting on its own, and
    // the window would then work through 385 small areas, each against all its siblings.
    // The labels lie inside the one area repainted here, so their repaints are not lost.
    setAttribute(Qt::WA_ForceUpdatesDisabled, false);
    setAttribute(Qt::WA_UpdatesDisabled, false);
    for (QObject *child : children()) {
        if (QWidget *label = qobject_cast<QWidget *>(child))
            label->setAttribute(Qt::WA_UpdatesDisabled, false);
    }
    update(m_heldArea + shownLabelsArea());
    m_heldArea = QRegion();
}

void TextPanel::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    for (const QRect &area : event->region())
        painter.fillRect(area, m_backgroundColour);
    painter.setPen(Qt::white);
    const QFontMetrics metrics = fontMetrics();
    int baseline = metrics.ascent();
    for (const QString &line : std::as_const(m_lines)) {
        if (baseline - metrics.ascent() > height())
            break;
        painter.drawText(0, baseline, line);
        baseline += metrics.height();
    }
}

void TextPanel::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}
