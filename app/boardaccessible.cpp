// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardaccessible.h"

#include "boardpartaccessible.h"
#include "boardtextaccessible.h"
#include "boardview.h"
#include "tileaccessible.h"

namespace {

QAccessibleInterface *createBoardAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("BoardView") && object && object->isWidgetType())
        return new BoardAccessible(static_cast<BoardView *>(object));
    return nullptr;
}

void send(QAccessibleInterface *iface, QAccessible::Event type)
{
    QAccessibleEvent event(iface, type);
    QAccessible::updateAccessibility(&event);
}

// The interface registered under id, created first when there is none.
template<typename Create>
QAccessibleInterface *registered(QAccessible::Id &id, Create create)
{
    if (!id)
        id = QAccessible::registerAccessibleInterface(create());
    return QAccessible::accessibleInterface(id);
}

} // namespace

BoardAccessible::BoardAccessible(BoardView *board)
    : QAccessibleWidget(board, QAccessible::Pane)
    , m_tilesBoard(board->game().boardClearCount())
{ }

BoardAccessible::~BoardAccessible()
{
    for (QAccessible::Id &id : m_tiles)
        forget(id);
    for (QAccessible::Id &id : m_lines)
        forget(id);
    forget(m_report);
}

void BoardAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(createBoardAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

BoardView *BoardAccessible::board() const
{
    return static_cast<BoardView *>(widget());
}

void BoardAccessible::forget(QAccessible::Id &id) const
{
    if (id)
        QAccessible::deleteAccessibleInterface(id);
    id = 0;
}

void BoardAccessible::forgetOldTiles() const
{
    const std::uint64_t current = board()->game().boardClearCount();
    if (current == m_tilesBoard)
        return;
    for (QAccessible::Id &id : m_tiles)
        forget(id);
    m_tilesBoard = current;
}

QAccessibleInterface *BoardAccessible::tile(int index) const
{
    forgetOldTiles();
    return registered(m_tiles[std::size_t(index)],
                      [&] { return new TileAccessible(board(), index); });
}

QAccessibleInterface *BoardAccessible::line(std::size_t line) const
{
    if (m_lines.size() <= line)
        m_lines.resize(line + 1);
    return registered(m_lines[line], [&] { return new BoardTextAccessible(board(), line); });
}

QAccessibleInterface *BoardAccessible::report() const
{
    return registered(m_report, [&] { return new BoardTextAccessible(board(), std::nullopt); });
}

QString BoardAccessible::text(QAccessible::Text kind) const
{
    if (kind != QAccessible::Name)
        return QAccessibleWidget::text(kind);
    // The phrase as it stands, with the player's accents.
    const Game &game = board()->game();
    QString phrase;
    for (int index = 0; index < TileCount; ++index) {
        if (game.letter(index).shown)
            phrase += BoardPartAccessible::textOf(game.letter(index).caption);
    }
    return phrase;
}

int BoardAccessible::childCount() const
{
    const Game &game = board()->game();
    int count = int(game.panelLines().size()) + (game.reportLabel().shown ? 1 : 0);
    for (int index = 0; index < TileCount; ++index)
        count += game.letter(index).shown ? 1 : 0;
    return count;
}

QAccessibleInterface *BoardAccessible::child(int index) const
{
    const Game &game = board()->game();
    if (index < 0)
        return nullptr;
    if (std::size_t(index) < game.panelLines().size())
        return line(std::size_t(index));
    index -= int(game.panelLines().size());
    if (game.reportLabel().shown && index-- == 0)
        return report();
    for (int tileIndex = 0; tileIndex < TileCount; ++tileIndex) {
        if (game.letter(tileIndex).shown && index-- == 0)
            return tile(tileIndex);
    }
    return nullptr;
}

int BoardAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (!child || !child->isValid())
        return -1;
    const Game &game = board()->game();
    int position = int(game.panelLines().size());
    if (const auto *text = dynamic_cast<const BoardTextAccessible *>(child)) {
        const std::optional<std::size_t> line = text->line();
        return line ? int(*line) : position;
    }
    const auto *shownTile = dynamic_cast<const TileAccessible *>(child);
    if (!shownTile)
        return -1;
    position += game.reportLabel().shown ? 1 : 0;
    for (int index = 0; index < shownTile->index(); ++index)
        position += game.letter(index).shown ? 1 : 0;
    return position;
}

QAccessibleInterface *BoardAccessible::childAt(int x, int y) const
{
    const std::optional<int> label = board()->labelAt(board()->mapFromGlobal(QPoint(x, y)));
    if (!label)
        return nullptr;
    return *label == Game::ReportLabelIndex ? report() : tile(*label);
}

QStringList BoardAccessible::actionNames() const
{
    return QAccessibleWidget::actionNames() << submitAction();
}

void BoardAccessible::doAction(const QString &actionName)
{
    if (actionName == submitAction())
        board()->submit();
    else
        QAccessibleWidget::doAction(actionName);
}

void BoardAccessible::announce(const BoardChanges &changes)
{
    const Game &game = board()->game();
    // A new board, or tiles shown or hidden: other children, and another phrase.
    bool reordered = game.boardClearCount() != m_tilesBoard || !changes.shownOrHidden.empty();
    bool phraseChanged = reordered;
    forgetOldTiles();
    for (const int label : changes.shownOrHidden) {
        if (label != Game::ReportLabelIndex && !game.letter(label).shown)
            forget(m_tiles[std::size_t(label)]);
    }

    for (const int label : changes.renamed) {
        if (label == Game::ReportLabelIndex) {
            send(report(), QAccessible::NameChanged);
        } else if (game.letter(label).shown) {
            send(tile(label), QAccessible::NameChanged);
            phraseChanged = true;
        }
    }
    for (const int label : changes.recoloured) {
        if (label == Game::ReportLabelIndex || !game.letter(label).shown)
            continue;
        QAccessible::State selection;
        selection.selected = true;
        QAccessibleStateChangeEvent stateChange(tile(label), selection);
        QAccessible::updateAccessibility(&stateChange);
        send(tile(label), QAccessible::DescriptionChanged);
    }

    if (changes.firstChangedLine) {
        const std::size_t count = game.panelLines().size();
        if (count != changes.lineCountBefore) {
            for (std::size_t gone = count; gone < m_lines.size(); ++gone)
                forget(m_lines[gone]);
            m_lines.resize(std::min(m_lines.size(), count));
            reordered = true;
        }
        for (std::size_t changed = *changes.firstChangedLine;
             changed < std::min(count, changes.lineCountBefore); ++changed)
            send(line(changed), QAccessible::NameChanged);
    }

    if (reordered)
        send(this, QAccessible::ObjectReorder);
    if (phraseChanged)
        send(this, QAccessible::NameChanged);
}
