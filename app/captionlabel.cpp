// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "captionlabel.h"

#include "captionmetrics.h"

#include <QMouseEvent>
#include <QPainter>

CaptionLabel::CaptionLabel(const QFont &font, int emptyWidth, QWidget *parent)
    : QWidget(parent)
    , m_font(font)
    , m_metrics(&CaptionMetrics::of(font))
    , m_emptyWidth(emptyWidth)
{
    setMouseTracking(true);
    fitToCaption();
}

void CaptionLabel::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    fitToCaption();
    update();
}

void CaptionLabel::setTextColour(const QColor &colour)
{
    if (colour == m_textColour)
        return;
    m_textColour = colour;
    update();
}

void CaptionLabel::setBackgroundColour(const QColor &colour)
{
    if (colour == m_backgroundColour)
        return;
    m_backgroundColour = colour;
    update();
}

void CaptionLabel::setPointSize(qreal points)
{
    if (points == m_font.pointSizeF())
        return;
    m_font.setPointSizeF(points);
    m_metrics = &CaptionMetrics::of(m_font);
    fitToCaption();
    update();
}

void CaptionLabel::fitToCaption()
{
    const int width = m_caption.isEmpty() ? m_emptyWidth : m_metrics->width(m_caption);
    resize(width, m_metrics->height());
}

void CaptionLabel::paintEvent(QPaintEvent *)
{
    // An empty label stands in the window's own colour anyway; leaving it unpainted keeps
    // it from hiding the text printed on the window behind it.
    if (m_caption.isEmpty())
        return;
    QPainter painter(this);
    painter.fillRect(rect(), m_backgroundColour);
    painter.setFont(m_font);
    painter.setPen(m_textColour);
    painter.drawText(0, m_metrics->ascent(), m_caption);
}

void CaptionLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
}

void CaptionLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    m_pressed = false;
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

void CaptionLabel::mouseDoubleClickEvent(QMouseEvent *)
{
    // The second press of a double-click: the first one has clicked already.
}

void CaptionLabel::mouseMoveEvent(QMouseEvent *)
{
    emit hovered();
}
