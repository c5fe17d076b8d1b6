// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardpartaccessible.h"

#include "boardview.h"

#include <QWidget>

BoardPartAccessible::BoardPartAccessible(BoardView *board)
    : m_board(board)
{ }

QWindow *BoardPartAccessible::window() const
{
    return m_board ? m_board->window()->windowHandle() : nullptr;
}

QAccessibleInterface *BoardPartAccessible::parent() const
{
    return m_board ? QAccessible::queryAccessibleInterface(m_board.data()) : nullptr;
}

QRect BoardPartAccessible::onScreen(const QRect &onBoard) const
{
    if (!m_board)
        return {};
    return QRect(m_board->mapToGlobal(onBoard.topLeft()), onBoard.size());
}

QString BoardPartAccessible::textOf(std::u16string_view text)
{
    return QStringView(text.data(), qsizetype(text.size())).toString();
}
