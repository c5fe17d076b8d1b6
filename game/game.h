// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GAME_H
#define GAME_H

#include "backgroundpalette.h"
#include "boardlayout.h"
#include "gameports.h"
#include "randomsource.h"

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A caption drawn opaque in the window's colour: a letter tile or the score report. It
// takes the size its caption needs, growing to the right and downwards from its top-left
// corner; with an empty caption it keeps a small width and nothing of it is drawn.
struct Label {
    std::u16string caption;
    bool shown = false;
    double points = 0;
    BgrColour textColour = 0;
    // Twips from the top-left corner of the area below the menu bar.
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

// The whole state of a game window and every operation on it, each run by one event of
// the window: the window shows this state and feeds it its events, nothing more.
class Game
{
public:
    // The phrase file's bytes, or nothing when it cannot be read.
    using PhraseFileReader = std::function<std::optional<std::string>()>;
    using Clock = std::function<float()>;

    // The label indices of the front-to-back order: the tiles, then the report.
    static constexpr int ReportLabelIndex = TileCount;
    // A tile's text colour (0xBBGGRR): idle, clicked last, part of a wrong answer.
    static constexpr BgrColour PlainText = 0xFFFFFF;
    static constexpr BgrColour SelectedText = 0xC0C000;
    static constexpr BgrColour WrongAnswerText = 0x80FFFF;

    // timeOfDay: seconds since midnight, with the fraction.
    Game(const CaptionMeasure &measure, const WindowGeometry &window, PhraseFileReader phraseFile,
         Clock timeOfDay,
         std::unique_ptr<RandomSource> random = std::make_unique<MersenneRandom>());

    // The window's events.
    void Load();
    void LoadPhrases();
    void Start();
    void Help();
    void Credits();
    void LetterClick(int index);
    void LetterMouseMove(int index);
    // A double-click on the background or the Enter key.
    void Submit();

    // The operations those events run.
    void PaintBackground();
    void NextPhrase();
    void ShowPhrase(std::u16string_view phrase);
    void ClearBoard();
    void CheckAnswer();
    void ShowReport();

    const std::vector<std::u16string> &sourceList() const { return SourceList; }
    // The phrase at position i of the play queue; empty past its end.
    std::u16string_view playListItem(std::size_t i) const;
    std::size_t playListCount() const { return PlayList.size(); }
    std::optional<std::uint64_t> hitCount() const { return hits; }
    std::int16_t missCount() const { return misses; }
    std::int16_t selectedTileIndex() const { return selectedTile; }
    std::int16_t hoveredTileIndex() const { return hoveredTile; }

    const Label &letter(int index) const { return Letter[std::size_t(index)]; }
    const Label &reportLabel() const { return ReportLabel; }
    // A tile index, or ReportLabelIndex; the last one is drawn in front of all others.
    const std::vector<int> &frontToBack() const { return m_stacking; }
    const std::vector<std::u16string> &panelLines() const { return m_lines; }
    BgrColour backgroundColour() const { return m_background; }
    bool startEnabled() const { return m_startEnabled; }
    // How often the board has been cleared: every new phrase clears it first, so a tile
    // shows the same character of the same phrase only while this stays the same.
    std::uint64_t boardClearCount() const { return m_boardClears; }

private:
    void setCaption(Label &label, LabelFace face, std::u16string caption);
    void setPoints(Label &label, double points);
    void fitToCaption(Label &label, LabelFace face);
    void bringToFront(int label);
    void clearPanel();
    void printLines(const std::vector<std::u16string> &lines);
    void showMessage(const std::vector<std::u16string> &lines);

    const CaptionMeasure &m_measure;
    const WindowGeometry &m_window;
    PhraseFileReader m_phraseFile;
    Clock m_timeOfDay;
    std::unique_ptr<RandomSource> m_random;

    std::vector<std::u16string> SourceList;
    // Indices into SourceList; the head is the phrase on the board.
    std::deque<std::uint32_t> PlayList;
    // Empty until the first game starts; an empty count reads as 0.
    std::optional<std::uint64_t> hits;
    std::int16_t misses = 0;
    // Never reset: they go on naming their tiles across boards and games.
    std::int16_t selectedTile = 0;
    std::int16_t hoveredTile = 0;

    std::array<Label, TileCount> Letter;
    Label ReportLabel;
    std::vector<int> m_stacking;
    std::vector<std::u16string> m_lines;
    BgrColour m_background = 0x400040;
    bool m_startEnabled = true;
    std::uint64_t m_boardClears = 0;
};

#endif
