// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef BOARDVIEW_H
#define BOARDVIEW_H

#include "boardaccessible.h"
#include "game.h"

#include <QCache>
#include <QImage>
#include <QWidget>

#include <array>
#include <optional>

class LabelFonts;

// The window's surface below the menu bar: the game's background colour, the lines it
// prints from the top down, the score report and the letter tiles, painted in that order,
// the labels from back to front. It hands the game the mouse events on its labels as a
// window hands them to child widgets: to the label on top under the pointer, and while a
// button is held, to the one where the press began.
class BoardView : public QWidget
{
    Q_OBJECT

public:
    BoardView(Game &game, const LabelFonts &fonts, QWidget *parent);

    const Game &game() const { return m_game; }
    // Repaints what the game shows differently since it was last shown, and tells
    // assistive technology, when one is in use.
    void showChanges();
    // A tile's click, and a double-click on the board itself.
    void clickTile(int tile);
    void submit();

    // The label on top at a point of the board: a tile index, Game::ReportLabelIndex, or
    // nothing where the board itself lies.
    std::optional<int> labelAt(QPoint point) const;
    // Where a shown label stands, in pixels of the board.
    QRect labelRect(int label) const;
    // Where a printed line stands, counted from the top.
    QRect lineRect(std::size_t line) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    // What decides a label's pixels.
    struct Look {
        QRect rect;
        std::u16string caption;
        double points;
        BgrColour text;
        bool operator==(const Look &) const = default;
    };
    // What decides the pixels of a label's picture, wherever it stands.
    struct PictureKey {
        std::u16string caption;
        LabelFace face;
        double points;
        BgrColour text;
        BgrColour background;
        QSize size;
        qreal pixelRatio;
        int dotsPerInch;
        int format;
        bool operator==(const PictureKey &) const = default;
    };
    friend size_t qHash(const PictureKey &key, size_t seed);
    static constexpr qsizetype PictureCacheBytes = 10 * 1024 * 1024;

    const Label &label(int index) const;
    std::optional<Look> lookOf(int index) const;
    static void noteChange(BoardChanges &changes, int index, const std::optional<Look> &before,
                           const std::optional<Look> &after);
    void announce(const BoardChanges &changes);
    QRect linesArea(std::size_t first, std::size_t count) const;
    void drawLabel(QPainter &painter, int index);
    // A label's whole rectangle as it is painted: its background and its caption.
    QImage picture(const PictureKey &key) const;
    QImage tilePicture(const PictureKey &key) const;
    // The label that a mouse event goes to; nothing for the board itself.
    std::optional<int> receiver(QPoint point) const;

    Game &m_game;
    const LabelFonts &m_fonts;

    // What the board showed when it was last painted.
    std::array<std::optional<Look>, TileCount + 1> m_shown;
    std::vector<int> m_shownOrder;
    std::vector<std::u16string> m_shownLines;
    std::optional<BgrColour> m_shownBackground;

    // While a button is held, the events go where it was pressed (a window's mouse grab):
    // to that label, or to the board itself.
    bool m_grabbing = false;
    std::optional<int> m_grabbedLabel;
    // The tile on which a left press began a click.
    std::optional<int> m_clickedTile;

    // As large as Qt's own pixmap cache: the tiles of several boards in a few colours.
    mutable QCache<PictureKey, QImage> m_pictures{PictureCacheBytes};
};

#endif
