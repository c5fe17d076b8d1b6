// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef BOARDACCESSIBLE_H
#define BOARDACCESSIBLE_H

#include "boardlayout.h"

#include <QAccessibleWidget>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class BoardView;

// What the board changed in one repaint, for assistive technology. Labels are tile
// indices or Game::ReportLabelIndex.
struct BoardChanges {
    std::vector<int> shownOrHidden;
    std::vector<int> renamed;
    std::vector<int> recoloured;
    // The first printed line that changed, if any, and how many lines there were before.
    std::optional<std::size_t> firstChangedLine;
    std::size_t lineCountBefore = 0;
};

// The board as assistive technology finds it: named by the phrase as it stands, with the
// action "submit", and with the printed lines, the score report and the shown tiles, in
// that order, as its children. Qt asks for it only while assistive technology is in use.
class BoardAccessible : public QAccessibleWidget
{
public:
    explicit BoardAccessible(BoardView *board);
    ~BoardAccessible() override;

    // Lets Qt create the board's interface when assistive technology asks for it.
    static void install();
    static QString submitAction() { return QStringLiteral("submit"); }

    QString text(QAccessible::Text kind) const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

    // Sends the events that tell assistive technology what changed.
    void announce(const BoardChanges &changes);

private:
    BoardView *board() const;
    QAccessibleInterface *tile(int index) const;
    QAccessibleInterface *line(std::size_t line) const;
    QAccessibleInterface *report() const;
    // Tiles stand for the characters of one board; a cleared board makes them new ones.
    void forgetOldTiles() const;
    void forget(QAccessible::Id &id) const;

    mutable std::array<QAccessible::Id, TileCount> m_tiles{};
    mutable std::uint64_t m_tilesBoard = 0;
    mutable std::vector<QAccessible::Id> m_lines;
    mutable QAccessible::Id m_report = 0;
};

#endif
