// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CAPTIONLABEL_H
#define CAPTIONLABEL_H

#include <QColor>
#include <QFont>
#include <QImage>
#include <QWidget>

class CaptionMetrics;

// A label that sizes itself to its caption, growing to the right and downwards from its
// top-left corner, and paints its whole rectangle while it has a caption. The letter
// tiles and the score report are such labels.
// It keeps every mouse press to itself, so nothing on it reaches the window: a click
// (press and release on it) raises clicked(), a double-click counts as that one click,
// and every mouse move over it raises hovered().
class CaptionLabel : public QWidget
{
    Q_OBJECT

public:
    enum class Start { Shown, Hidden };

    // emptyWidth: the width, in pixels, of the label while its caption is empty.
    CaptionLabel(const QFont &font, int emptyWidth, QWidget *parent, Start start = Start::Shown);

    void setVisible(bool visible) override;

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

    QColor textColour() const { return m_textColour; }
    void setTextColour(const QColor &colour);

    QColor backgroundColour() const { return m_backgroundColour; }
    void setBackgroundColour(const QColor &colour);

    qreal pointSize() const { return m_font.pointSizeF(); }
    void setPointSize(qreal points);

signals:
    void clicked();
    void hovered();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void fitToCaption();
    // The label's whole rectangle as it is painted: its background and its caption.
    QImage draw(QSize size, qreal pixelRatio, QImage::Format format) const;

    QFont m_font;
    // Those of the font at its current size; none until the label first takes a size.
    const CaptionMetrics *m_metrics = nullptr;
    int m_emptyWidth;
    QString m_caption;
    QColor m_textColour = Qt::white;
    QColor m_backgroundColour = Qt::black;
    bool m_pressed = false;
};

#endif
