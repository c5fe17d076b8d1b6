// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardtextaccessible.h"

#include "boardview.h"

BoardTextAccessible::BoardTextAccessible(BoardView *board, std::optional<std::size_t> line)
    : BoardPartAccessible(board)
    , m_line(line)
{ }

bool BoardTextAccessible::isValid() const
{
    const BoardView *view = board();
    if (!view)
        return false;
    if (m_line)
        return *m_line < view->game().panelLines().size();
    return view->game().reportLabel().shown;
}

QString BoardTextAccessible::text(QAccessible::Text kind) const
{
    if (kind != QAccessible::Name || !isValid())
        return {};
    const Game &game = board()->game();
    return textOf(m_line ? game.panelLines()[*m_line] : game.reportLabel().caption);
}

QRect BoardTextAccessible::rect() const
{
    if (!isValid())
        return {};
    if (m_line)
        return onScreen(board()->lineRect(*m_line));
    return onScreen(board()->labelRect(Game::ReportLabelIndex));
}

QAccessible::Role BoardTextAccessible::role() const
{
    return m_line ? QAccessible::StaticText : QAccessible::StatusBar;
}

QAccessible::State BoardTextAccessible::state() const
{
    QAccessible::State state;
    state.invalid = !isValid();
    state.readOnly = true;
    return state;
}
