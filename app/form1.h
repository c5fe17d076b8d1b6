// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef FORM1_H
#define FORM1_H

#include <QMainWindow>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "boardlayout.h"

class CaptionLabel;
class QAction;
class RandomSource;
class TextPanel;

// The game window. It owns every control and all the state of a run, and turns each
// window, menu and tile event into one game operation; the rules themselves live in the
// plain functions of phrases/, board/, score/ and look/.
//
// Positions and sizes inside the window are worked out in twips, 15 to a pixel.
class Form1 : public QMainWindow
{
    Q_OBJECT

public:
    // The random source is seeded from timeOfDay() once, when the window loads.
    Form1(std::unique_ptr<RandomSource> random, std::function<float()> timeOfDay,
          QWidget *parent = nullptr);
    ~Form1() override;

    // The game operations, each run by one event.
    void LoadPhrases();
    void PaintBackground();
    void startGame();
    void NextPhrase();
    void ShowPhrase(const QString &phrase);
    void ClearBoard();
    void showHelp();
    void showCredits();
    void letterClicked(int index);
    void letterHovered(int index);
    void CheckAnswer();
    void ShowReport();
    // A double-click on the background or the Enter key.
    void submitAnswer();

    // What the window shows and holds, for its tests and benchmarks.
    CaptionLabel *letter(int index) const { return Letter[std::size_t(index)]; }
    CaptionLabel *reportLabel() const { return ReportLabel; }
    TextPanel *textPanel() const { return m_panel; }
    QAction *startAction() const { return Start; }
    QAction *helpAction() const { return Help; }
    QAction *creditsAction() const { return Credits; }
    const QStringList &sourceList() const { return SourceList; }
    const QStringList &playList() const { return PlayList; }
    std::optional<quint64> hitCount() const { return hits; }
    qint16 missCount() const { return misses; }
    QColor backgroundColour() const;

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createMenu();
    void createControls();
    void printLines(const QStringList &lines);
    void showMessage(const QStringList &lines);
    float outerWidthTwips() const;
    // Gives every tile the idle look: empty, hidden, at the normal size and white; the
    // first `keptShown` tiles keep their caption and visibility.
    void clearTiles(int keptShown);

    TextPanel *m_panel;
    std::array<CaptionLabel *, TileCount> Letter;
    CaptionLabel *ReportLabel;
    QAction *Start;
    QAction *Help;
    QAction *Credits;
    QStringList SourceList;
    QStringList PlayList;

    // Empty until the first game starts; an empty count reads as 0.
    std::optional<quint64> hits;
    qint16 misses = 0;
    // Never reset: they go on naming their tiles across boards and games.
    qint16 selectedTile = 0;
    qint16 hoveredTile = 0;

    std::unique_ptr<RandomSource> m_random;
    std::function<float()> m_timeOfDay;
    bool m_phrasesLoaded = false;
};

#endif
