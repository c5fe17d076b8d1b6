// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef BOARDTEXTACCESSIBLE_H
#define BOARDTEXTACCESSIBLE_H

#include "boardpartaccessible.h"

#include <cstddef>
#include <optional>

// Text the board shows to be read, not pressed: a line printed on the panel, as static
// text, or the score report, as a status line. Each reads what it shows now.
class BoardTextAccessible : public BoardPartAccessible
{
public:
    // line: the printed line's number from the top, or nothing for the score report.
    BoardTextAccessible(BoardView *board, std::optional<std::size_t> line);

    bool isValid() const override;
    QString text(QAccessible::Text kind) const override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

    std::optional<std::size_t> line() const { return m_line; }

private:
    const std::optional<std::size_t> m_line;
};

#endif
