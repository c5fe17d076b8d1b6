// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef TILEACCESSIBLE_H
#define TILEACCESSIBLE_H

#include "boardpartaccessible.h"

#include <QAccessibleActionInterface>

#include <cstdint>

// A shown tile as a button named by its caption, whose press is the tile's click. It
// stands for the tile of one board only: once the board is cleared, it is invalid and
// pressing it does nothing, so that an assistive technology that asks late never clicks
// a tile of the next phrase.
class TileAccessible : public BoardPartAccessible, public QAccessibleActionInterface
{
public:
    TileAccessible(BoardView *board, int index);

    bool isValid() const override;
    QString text(QAccessible::Text kind) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

    int index() const { return m_index; }

private:
    const int m_index;
    const std::uint64_t m_boardClearCount;
};

#endif
