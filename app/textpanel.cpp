// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "textpanel.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

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
    update();
}

void TextPanel::clear()
{
    if (m_lines.isEmpty())
        return;
    m_lines.clear();
    update();
}

void TextPanel::printLine(const QString &line)
{
    m_lines.append(line);
    update();
}

void TextPanel::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), m_backgroundColour);
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
