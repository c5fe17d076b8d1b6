// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "captionlabel.h"

#include "captionmetrics.h"

#include <QCache>
#include <QImage>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>

namespace {

// What a label with a caption looks like: every label with the same caption, font, colours
// and size shows the same pixels, so they are drawn once and copied from then on.
struct LookKey {
    QString caption;
    const CaptionMetrics *metrics;
    QRgb text;
    QRgb background;
    QSize size;
    qreal pixelRatio;
    int dotsPerInchX;
    int dotsPerInchY;
    QImage::Format format;
    bool operator==(const LookKey &) const = default;
};

size_t qHash(const LookKey &key, size_t seed = 0)
{
    return qHashMulti(seed, key.caption, quintptr(key.metrics), key.text, key.background,
                      key.size.width(), key.size.height(), key.pixelRatio, int(key.format));
}

// A board shows some forty different characters in a few colours; the looks of several
// boards fit, and the ones not used for longest go first.
constexpr qsizetype LookCacheBytes = 16 * 1024 * 1024;

QCache<LookKey, QImage> &looks()
{
    static QCache<LookKey, QImage> cache(LookCacheBytes);
    return cache;
}

// The pixel format the painter paints into: the window's backing store.
QImage::Format formatOf(QPainter &painter)
{
    const QPaintDevice *device = painter.paintEngine()->paintDevice();
    if (device && device->devType() == QInternal::Image)
        return static_cast<const QImage *>(device)->format();
    return QImage::Format_RGB32;
}

} // namespace

CaptionLabel::CaptionLabel(const QFont &font, int emptyWidth, QWidget *parent, Start start)
    : QWidget(parent)
    , m_font(font)
    , m_emptyWidth(emptyWidth)
{
    setMouseTracking(true);
    // A label hidden from the start takes its size when it is first shown or given a
    // caption or a font size: its font is not even loaded before it is needed.
    if (start == Start::Hidden)
        hide();
    else
        fitToCaption();
}

void CaptionLabel::setVisible(bool visible)
{
    if (visible && !m_metrics)
        fitToCaption();
    QWidget::setVisible(visible);
}

void CaptionLabel::setCaption(const QString &caption)
{
    // Its size is read right after a caption is set, so a label gets it now if it has
    // none yet, even when the caption stays as it was.
    if (caption == m_caption) {
        if (!m_metrics)
            fitToCaption();
        return;
    }
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
    m_metrics = nullptr;
    fitToCaption();
    update();
}

void CaptionLabel::fitToCaption()
{
    if (!m_metrics)
        m_metrics = &CaptionMetrics::of(m_font);
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
    const qreal ratio = painter.device()->devicePixelRatioF();
    const LookKey key{m_caption,        m_metrics, m_textColour.rgba(), m_backgroundColour.rgba(),
                      size(),           ratio,     logicalDpiX(),       logicalDpiY(),
                      formatOf(painter)};
    const QImage *look = looks().object(key);
    if (!look) {
        QImage *drawn = new QImage(draw(key.size, ratio, key.format));
        looks().insert(key, drawn, drawn->sizeInBytes());
        look = looks().object(key);
    }
    // Copied whole and opaque onto the backing store, pixel for pixel.
    if (look)
        painter.drawImage(QPointF(0, 0), *look);
    else
        painter.drawImage(QPointF(0, 0), draw(key.size, ratio, key.format));
}

QImage CaptionLabel::draw(QSize size, qreal pixelRatio, QImage::Format format) const
{
    // Drawn with room all round, then cut to the label: a glyph that reaches past the
    // label's edges is then rasterised whole, as it is on the window, to the same pixels.
    const int margin = m_metrics->height();
    QImage image((size + QSize(2 * margin, 2 * margin)) * pixelRatio, format);
    image.setDevicePixelRatio(pixelRatio);
    // Points become pixels at the label's own resolution, as they would on the window.
    constexpr double inchesPerMetre = 1 / 0.0254;
    image.setDotsPerMeterX(qRound(logicalDpiX() * inchesPerMetre));
    image.setDotsPerMeterY(qRound(logicalDpiY() * inchesPerMetre));
    image.fill(m_backgroundColour);
    QPainter painter(&image);
    painter.setFont(m_font);
    painter.setPen(m_textColour);
    painter.drawText(margin, margin + m_metrics->ascent(), m_caption);
    painter.end();
    QImage cut = image.copy(QRect(QPoint(margin, margin) * pixelRatio, size * pixelRatio));
    cut.setDevicePixelRatio(pixelRatio);
    return cut;
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
