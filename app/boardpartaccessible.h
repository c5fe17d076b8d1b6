// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef BOARDPARTACCESSIBLE_H
#define BOARDPARTACCESSIBLE_H

#include <QAccessibleInterface>
#include <QPointer>

#include <string_view>

class BoardView;

// What assistive technology finds of one thing painted on the board: a tile, a printed
// line or the score report. It has no widget of its own and no children; the board's
// own interface creates it, and deletes it once it no longer stands for what it did.
class BoardPartAccessible : public QAccessibleInterface
{
public:
    explicit BoardPartAccessible(BoardView *board);

    QObject *object() const override { return nullptr; }
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *focusChild() const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    void setText(QAccessible::Text, const QString &) override { }

    // The game's text, code unit for code unit (a byte-order mark included).
    static QString textOf(std::u16string_view text);

protected:
    // Nothing once the board is gone.
    BoardView *board() const { return m_board.data(); }
    // A rectangle of the board on the screen.
    QRect onScreen(const QRect &onBoard) const;

private:
    QPointer<BoardView> m_board;
};

#endif
