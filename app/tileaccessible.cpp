// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tileaccessible.h"

#include "boardview.h"

TileAccessible::TileAccessible(BoardView *board, int index)
    : BoardPartAccessible(board)
    , m_index(index)
    , m_boardClearCount(board->game().boardClearCount())
{ }

bool TileAccessible::isValid() const
{
    const BoardView *view = board();
    return view && view->game().boardClearCount() == m_boardClearCount
        && view->game().letter(m_index).shown;
}

QString TileAccessible::text(QAccessible::Text kind) const
{
    if (!isValid())
        return {};
    const Label &tile = board()->game().letter(m_index);
    switch (kind) {
    case QAccessible::Name:
        // A lone space reads as nothing at all.
        if (tile.caption == u" ")
            return QStringLiteral("space");
        return textOf(tile.caption);
    case QAccessible::Description:
        if (tile.textColour == Game::WrongAnswerText)
            return QStringLiteral("wrong answer");
        return {};
    default:
        return {};
    }
}

QRect TileAccessible::rect() const
{
    return isValid() ? onScreen(board()->labelRect(m_index)) : QRect();
}

QAccessible::State TileAccessible::state() const
{
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.selectable = true;
    state.selected = board()->game().letter(m_index).textColour == Game::SelectedText;
    return state;
}

void *TileAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface *>(this);
    return nullptr;
}

QStringList TileAccessible::actionNames() const
{
    return {pressAction()};
}

void TileAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction() && isValid())
        board()->clickTile(m_index);
}
