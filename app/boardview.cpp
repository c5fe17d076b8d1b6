// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardview.h"

#include "labelfonts.h"
#include "twips.h"

#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>

#include <algorithm>

namespace {

QColor colourOf(BgrColour colour)
{
    const Rgb rgb = rgbOf(colour);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

QString text(std::u16string_view caption)
{
    return QString::fromUtf16(caption.data(), qsizetype(caption.size()));
}

// The pixel format the painter paints into: the window's backing store.
QImage::Format formatOf(QPainter &painter)
{
    const QPaintDevice *device = painter.paintEngine()->paintDevice();
    if (device && device->devType() == QInternal::Image)
        return static_cast<const QImage *>(device)->format();
    return QImage::Format_RGB32;
}

// Rectangles gathered into bands: one that starts at most its own height below the band
// above joins it, so that the rows of tiles make one band and the score report, lower
// down, another. A repaint clipped to a few rectangles draws much faster than one clipped
// to a rectangle a tile; the empty space between the rows of a band is repainted with them.
QRegion bandsOf(std::vector<QRect> rects)
{
    std::sort(rects.begin(), rects.end(),
              [](const QRect &a, const QRect &b) { return a.top() < b.top(); });
    QRegion bands;
    QRect band;
    for (const QRect &rect : rects) {
        if (band.isValid() && rect.top() > band.bottom() + rect.height()) {
            bands += band;
            band = QRect();
        }
        band |= rect;
    }
    return bands + band;
}

} // namespace

size_t qHash(const BoardView::PictureKey &key, size_t seed)
{
    return qHashMulti(seed, QStringView(key.caption.data(), qsizetype(key.caption.size())),
                      int(key.face), key.points, key.text, key.background, key.size.width(),
                      key.size.height(), key.pixelRatio, key.format);
}

BoardView::BoardView(Game &game, const LabelFonts &fonts, QWidget *parent)
    : QWidget(parent)
    , m_game(game)
    , m_fonts(fonts)
{
    BoardAccessible::install();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(24);
    font.setWeight(QFont::Bold);
    setFont(font);
}

const Label &BoardView::label(int index) const
{
    return index == Game::ReportLabelIndex ? m_game.reportLabel() : m_game.letter(index);
}

QRect BoardView::labelRect(int index) const
{
    const Label &shown = label(index);
    return QRect(pixels(shown.left), pixels(shown.top), pixels(shown.width), pixels(shown.height));
}

std::optional<BoardView::Look> BoardView::lookOf(int index) const
{
    const Label &shown = label(index);
    if (!shown.shown)
        return std::nullopt;
    return Look{labelRect(index), shown.caption, shown.points, shown.textColour};
}

QRect BoardView::lineRect(std::size_t line) const
{
    const int lineHeight = fontMetrics().height();
    return QRect(0, int(line) * lineHeight, width(), lineHeight);
}

QRect BoardView::linesArea(std::size_t first, std::size_t count) const
{
    // A line's glyphs may reach a little past its advance and its line height (an accent
    // above a capital, a tail below): the whole width, and a line more on either side.
    const int lineHeight = fontMetrics().height();
    return QRect(0, (int(first) - 1) * lineHeight, width(), (int(count) + 2) * lineHeight);
}

void BoardView::showChanges()
{
    // Assistive technology is told what changed only while one is in use.
    const bool announcing = QAccessible::isActive();
    BoardChanges changes;
    QRegion changed;
    if (m_shownBackground != m_game.backgroundColour()) {
        changed = rect();
        m_shownBackground = m_game.backgroundColour();
    }

    const std::vector<std::u16string> &lines = m_game.panelLines();
    if (lines != m_shownLines) {
        const auto mismatch =
            std::mismatch(lines.begin(), lines.end(), m_shownLines.begin(), m_shownLines.end());
        const auto first = std::size_t(mismatch.first - lines.begin());
        changes.firstChangedLine = first;
        changes.lineCountBefore = m_shownLines.size();
        changed += linesArea(first, std::max(lines.size(), m_shownLines.size()) - first);
        m_shownLines = lines;
    }

    std::vector<QRect> labels;
    for (int index = 0; index <= TileCount; ++index) {
        std::optional<Look> look = lookOf(index);
        std::optional<Look> &before = m_shown[std::size_t(index)];
        if (look == before)
            continue;
        if (announcing)
            noteChange(changes, index, before, look);
        if (before)
            labels.push_back(before->rect);
        if (look)
            labels.push_back(look->rect);
        before = std::move(look);
    }

    // The game only ever brings one label to the front: it is drawn over the others that
    // it overlaps, which changes nothing outside its own rectangle.
    const std::vector<int> &order = m_game.frontToBack();
    if (order != m_shownOrder) {
        if (m_shown[std::size_t(order.back())])
            labels.push_back(m_shown[std::size_t(order.back())]->rect);
        m_shownOrder = order;
    }
    changed += bandsOf(std::move(labels));

    if (!changed.isEmpty())
        update(changed);
    if (announcing)
        announce(changes);
}

void BoardView::noteChange(BoardChanges &changes, int index, const std::optional<Look> &before,
                           const std::optional<Look> &after)
{
    if (before.has_value() != after.has_value()) {
        changes.shownOrHidden.push_back(index);
        return;
    }
    if (before->caption != after->caption)
        changes.renamed.push_back(index);
    if (before->text != after->text)
        changes.recoloured.push_back(index);
}

void BoardView::announce(const BoardChanges &changes)
{
    if (auto *board = dynamic_cast<BoardAccessible *>(QAccessible::queryAccessibleInterface(this)))
        board->announce(changes);
}

void BoardView::clickTile(int tile)
{
    m_game.LetterClick(tile);
    showChanges();
}

void BoardView::submit()
{
    m_game.Submit();
    showChanges();
}

void BoardView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setPen(Qt::white);
    const QColor background = colourOf(m_game.backgroundColour());
    const QFontMetrics metrics = fontMetrics();
    // One rectangle of the area to repaint at a time, each clipped to itself: copying a
    // picture through a clip of several rectangles takes a slow path, many times slower
    // on a large screen.
    for (const QRect &area : event->region()) {
        painter.setClipRect(area);
        painter.fillRect(area, background);
        int baseline = metrics.ascent();
        for (const std::u16string &line : m_game.panelLines()) {
            if (baseline - metrics.ascent() > std::min(height(), area.bottom()))
                break;
            painter.drawText(0, baseline, text(line));
            baseline += metrics.height();
        }
        for (const int index : m_game.frontToBack()) {
            const Label &shown = label(index);
            // An empty label stands in the window's own colour anyway; leaving it
            // unpainted keeps it from hiding the text printed behind it.
            if (shown.shown && !shown.caption.empty() && labelRect(index).intersects(area))
                drawLabel(painter, index);
        }
    }
}

void BoardView::drawLabel(QPainter &painter, int index)
{
    const Label &shown = label(index);
    const QRect rect = labelRect(index);
    const PictureKey key{shown.caption,
                         index == Game::ReportLabelIndex ? LabelFace::Report : LabelFace::Tile,
                         shown.points,
                         shown.textColour,
                         m_game.backgroundColour(),
                         rect.size(),
                         painter.device()->devicePixelRatioF(),
                         logicalDpiY(),
                         int(formatOf(painter))};
    // The report's caption changes at every submission: it is drawn afresh, straight from
    // its image, and never pushes the tiles out of the cache.
    if (key.face == LabelFace::Report)
        painter.drawImage(rect.topLeft(), picture(key));
    else
        painter.drawImage(rect.topLeft(), tilePicture(key));
}

QImage BoardView::tilePicture(const PictureKey &key) const
{
    // Every tile with the same caption, font, colours and size shows the same pixels, so
    // they are drawn once and copied from then on. The pictures are kept as images in the
    // backing store's own format: copied onto it, they need no conversion.
    if (const QImage *known = m_pictures.object(key))
        return *known;
    const QImage drawn = picture(key);
    m_pictures.insert(key, new QImage(drawn), drawn.sizeInBytes());
    return drawn;
}

QImage BoardView::picture(const PictureKey &key) const
{
    // Drawn with room all round, then cut to the label: a glyph that reaches past the
    // label's edges is then rasterised whole, as it is on the window, to the same pixels.
    const LabelFonts::Font &font = m_fonts.font(key.face, key.points);
    const int margin = font.metrics->height();
    const qreal ratio = key.pixelRatio;
    QImage image((key.size + QSize(2 * margin, 2 * margin)) * ratio, QImage::Format(key.format));
    image.setDevicePixelRatio(ratio);
    // Points become pixels at the board's own resolution, as they would on the window.
    constexpr double inchesPerMetre = 1 / 0.0254;
    image.setDotsPerMeterX(qRound(logicalDpiX() * inchesPerMetre));
    image.setDotsPerMeterY(qRound(logicalDpiY() * inchesPerMetre));
    image.fill(colourOf(key.background));
    QPainter painter(&image);
    painter.setFont(font.font);
    painter.setPen(colourOf(key.text));
    painter.drawText(margin, margin + font.metrics->ascent(), text(key.caption));
    painter.end();
    QImage cut = image.copy(QRect(QPoint(margin, margin) * ratio, key.size * ratio));
    cut.setDevicePixelRatio(ratio);
    return cut;
}

std::optional<int> BoardView::labelAt(QPoint point) const
{
    const std::vector<int> &order = m_game.frontToBack();
    for (auto index = order.rbegin(); index != order.rend(); ++index) {
        if (label(*index).shown && labelRect(*index).contains(point))
            return *index;
    }
    return std::nullopt;
}

std::optional<int> BoardView::receiver(QPoint point) const
{
    // A grabbing tile that is hidden meanwhile lets go.
    if (m_grabbing && (!m_grabbedLabel || label(*m_grabbedLabel).shown))
        return m_grabbedLabel;
    return labelAt(point);
}

void BoardView::mousePressEvent(QMouseEvent *event)
{
    const std::optional<int> target = receiver(event->position().toPoint());
    m_grabbing = true;
    m_grabbedLabel = target;
    if (event->button() == Qt::LeftButton && target && *target != Game::ReportLabelIndex)
        m_clickedTile = target;
}

void BoardView::mouseReleaseEvent(QMouseEvent *event)
{
    const std::optional<int> target = receiver(event->position().toPoint());
    if (event->buttons() == Qt::NoButton)
        m_grabbing = false;
    if (event->button() != Qt::LeftButton || !m_clickedTile)
        return;
    const int tile = *m_clickedTile;
    m_clickedTile.reset();
    // A click is a press and a release on the same tile.
    if (target == tile && labelRect(tile).contains(event->position().toPoint()))
        clickTile(tile);
}

void BoardView::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double-click. On a tile the first press has clicked already,
    // and on the report it does nothing; on the board itself it submits the answer.
    const std::optional<int> target = receiver(event->position().toPoint());
    m_grabbing = true;
    m_grabbedLabel = target;
    if (!target && event->button() == Qt::LeftButton)
        submit();
}

void BoardView::mouseMoveEvent(QMouseEvent *event)
{
    const std::optional<int> target = receiver(event->position().toPoint());
    if (target && *target != Game::ReportLabelIndex) {
        m_game.LetterMouseMove(*target);
        showChanges();
    }
}
