// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game.h"

#include "accents.h"
#include "answercheck.h"
#include "messages.h"
#include "phrasefile.h"
#include "playqueue.h"
#include "scorereport.h"

#include <algorithm>
#include <exception>

namespace {

// The labels' widths with an empty caption, in twips.
constexpr float EmptyTileWidth = 180;
constexpr float EmptyReportWidth = 150;

constexpr double ReportPoints = 21.75;

} // namespace

Game::Game(const CaptionMeasure &measure, const WindowGeometry &window, PhraseFileReader phraseFile,
           Clock timeOfDay, std::unique_ptr<RandomSource> random)
    : m_measure(measure)
    , m_window(window)
    , m_phraseFile(std::move(phraseFile))
    , m_timeOfDay(std::move(timeOfDay))
    , m_random(std::move(random))
{
    // As the window is made: every tile hidden and empty, the report shown and empty. A
    // hidden tile's size is of no consequence: it takes one when it is first given a
    // caption, so that the tiles' face is not even loaded before a board is laid out.
    for (Label &tile : Letter) {
        tile.points = NormalTilePoints;
        tile.textColour = PlainText;
    }
    ReportLabel.shown = true;
    ReportLabel.points = ReportPoints;
    ReportLabel.textColour = 0x00FF00;
    ReportLabel.left = 6360;
    ReportLabel.top = 4560;
    fitToCaption(ReportLabel, LabelFace::Report);
    // The report was made first, so every tile lies in front of it.
    m_stacking.push_back(ReportLabelIndex);
    for (int i = 0; i < TileCount; ++i)
        m_stacking.push_back(i);
}

std::u16string_view Game::playListItem(std::size_t i) const
{
    if (i >= PlayList.size())
        return {};
    return SourceList[PlayList[i]];
}

void Game::Load()
{
    m_random->seed(m_timeOfDay());
    PaintBackground();
}

void Game::LoadPhrases()
{
    try {
        if (const std::optional<std::string> bytes = m_phraseFile()) {
            if (std::optional<std::vector<std::u16string>> phrases = parsePhrases(*bytes)) {
                SourceList = std::move(*phrases);
                printLines(Messages::loadReport(SourceList.size()));
                return;
            }
        }
    } catch (const std::exception &) {
        // Out of memory on a huge file: reported like any other unreadable file.
    }
    ClearBoard();
    clearPanel();
    printLines(Messages::loadWarning());
    m_startEnabled = false;
}

void Game::PaintBackground()
{
    const auto number = drawIndex(m_random->next(), std::int64_t(BackgroundPalette.size())) + 1;
    m_background = paletteColour(int(number));
    // A new colour erases whatever was printed; the tiles and the report take it too.
    m_lines.clear();
}

void Game::Start()
{
    // A disabled menu item raises no click.
    if (!m_startEnabled)
        return;
    // The colour is drawn before the shuffle's draws.
    PaintBackground();
    PlayList.clear();
    setCaption(ReportLabel, LabelFace::Report, {});
    const std::vector<std::uint32_t> queue = shuffledQueue(SourceList, [this](std::size_t gaps) {
        return std::size_t(drawIndex(m_random->next(), std::int64_t(gaps)));
    });
    PlayList.assign(queue.begin(), queue.end());
    misses = 0;
    hits = 0;
    NextPhrase();
}

void Game::NextPhrase()
{
    ShowPhrase(playListItem(0));
}

void Game::ShowPhrase(std::u16string_view phrase)
{
    clearPanel();
    ClearBoard();
    // Characters past the last tile are not shown.
    const std::vector<std::u16string> captions = boardCaptions(phrase);
    std::vector<TileBox> boxes;
    boxes.reserve(captions.size());
    for (std::size_t i = 0; i < captions.size(); ++i) {
        Label &tile = Letter[i];
        tile.shown = true;
        setCaption(tile, LabelFace::Tile, captions[i]);
        boxes.push_back({tile.width, tile.height});
    }
    const auto outerWidth = float(m_window.frame().outerWidth);
    const std::vector<TilePlace> places = flowTiles(boxes, outerWidth);
    for (std::size_t i = 0; i < places.size(); ++i) {
        Letter[i].left = places[i].left;
        Letter[i].top = places[i].top;
    }
}

void Game::ClearBoard()
{
    ++m_boardClears;
    for (Label &tile : Letter) {
        setCaption(tile, LabelFace::Tile, {});
        tile.shown = false;
        setPoints(tile, NormalTilePoints);
        tile.textColour = PlainText;
    }
}

void Game::Help()
{
    showMessage(Messages::help());
}

void Game::Credits()
{
    showMessage(Messages::credits());
}

void Game::showMessage(const std::vector<std::u16string> &lines)
{
    // The board and the score report make way; the game's state stays as it is.
    ClearBoard();
    clearPanel();
    setCaption(ReportLabel, LabelFace::Report, {});
    printLines(lines);
}

void Game::LetterClick(int index)
{
    if (index < 0 || index >= TileCount)
        return;
    Letter[std::size_t(selectedTile)].textColour = PlainText;
    Label &tile = Letter[std::size_t(index)];
    tile.textColour = SelectedText;
    selectedTile = std::int16_t(index);
    setCaption(tile, LabelFace::Tile, Tilde(tile.caption));
}

void Game::LetterMouseMove(int index)
{
    if (index < 0 || index >= TileCount)
        return;
    setPoints(Letter[std::size_t(hoveredTile)], NormalTilePoints);
    setPoints(Letter[std::size_t(index)], HoverTilePoints);
    bringToFront(index);
    hoveredTile = std::int16_t(index);
}

void Game::Submit()
{
    CheckAnswer();
    ShowReport();
}

void Game::CheckAnswer()
{
    if (PlayList.empty()) {
        clearPanel();
        printLines(Messages::startPrompt());
        return;
    }
    // The answer runs from tile 0 up to the first hidden tile above it; a phrase that
    // fills every tile ends at the last tile.
    int end = 1;
    while (end < TileCount && Letter[std::size_t(end)].shown)
        ++end;
    const int last = std::min(end, TileCount - 1);
    std::u16string answer;
    for (int i = 0; i <= last; ++i)
        answer += Letter[std::size_t(i)].caption;

    if (isCorrectAnswer(answer, playListItem(0), end == TileCount, MaxPhraseTiles)) {
        hits = hits.value_or(0) + 1;
        PlayList.pop_front();
        NextPhrase();
    } else {
        misses = addMiss(misses);
        for (int i = 0; i <= last; ++i)
            Letter[std::size_t(i)].textColour = WrongAnswerText;
    }
}

void Game::ShowReport()
{
    const std::uint64_t hitCount = hits.value_or(0);
    const std::uint64_t attempts = hitCount + std::uint64_t(misses);
    if (attempts == 0)
        return;
    const double score = scorePercent(hitCount, attempts);
    setCaption(ReportLabel, LabelFace::Report, reportCaption(hitCount, std::uint64_t(misses)));
    ReportLabel.textColour = reportColour(score);

    // Low in the window, lower as the window stands lower on the screen, and centred
    // on the window's width; but never outside the window's inner area, where the
    // player could not read it. A report wider than the window starts at its left edge.
    const WindowFrame frame = m_window.frame();
    const double top = (frame.outerHeight + frame.top) * 85 / 100;
    const double left = frame.outerWidth / 2 - ReportLabel.width / 2;
    const double lowest = std::max(0.0, frame.innerHeight - ReportLabel.height);
    const double rightmost = std::max(0.0, frame.innerWidth - ReportLabel.width);
    ReportLabel.left = float(std::clamp(left, 0.0, rightmost));
    ReportLabel.top = float(std::clamp(top, 0.0, lowest));
}

// A label's size is read right after its caption or its font size is set; it is measured
// again only when either changes, or when it has never been measured (no height yet).
void Game::setCaption(Label &label, LabelFace face, std::u16string caption)
{
    if (caption == label.caption && label.height > 0)
        return;
    label.caption = std::move(caption);
    fitToCaption(label, face);
}

void Game::setPoints(Label &label, double points)
{
    if (points == label.points && label.height > 0)
        return;
    label.points = points;
    fitToCaption(label, LabelFace::Tile);
}

void Game::fitToCaption(Label &label, LabelFace face)
{
    const TwipSize size = m_measure.captionSize(label.caption, face, label.points);
    label.width = !label.caption.empty() ? size.width
        : face == LabelFace::Tile        ? EmptyTileWidth
                                         : EmptyReportWidth;
    label.height = size.height;
}

void Game::bringToFront(int label)
{
    const auto found = std::find(m_stacking.begin(), m_stacking.end(), label);
    std::rotate(found, found + 1, m_stacking.end());
}

void Game::clearPanel()
{
    m_lines.clear();
}

void Game::printLines(const std::vector<std::u16string> &lines)
{
    m_lines.insert(m_lines.end(), lines.begin(), lines.end());
}
