// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef FORM1_H
#define FORM1_H

#include "game.h"
#include "gameports.h"
#include "labelfonts.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class BoardView;
class QAction;

// The game window: its menu bar and the board, which show the game. Each window, menu
// and key event runs one operation of the game; the board hands it the mouse events.
class Form1 : public QMainWindow, private WindowGeometry
{
    Q_OBJECT

public:
    // The random source is seeded from timeOfDay() once, when the window loads.
    Form1(std::unique_ptr<RandomSource> random, std::function<float()> timeOfDay,
          QWidget *parent = nullptr);
    ~Form1() override;

    const Game &game() const { return m_game; }
    Game &game() { return m_game; }
    // Shows what the game changed since it was last shown.
    void showChanges();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    WindowFrame frame() const override;
    void createMenu();
    // Runs one operation of the game, then shows what it changed.
    void run(void (Game::*operation)());

    LabelFonts m_fonts;
    Game m_game;
    BoardView *m_board;
    QAction *Start;
    QAction *Help;
    QAction *Credits;
    bool m_phrasesLoaded = false;
};

#endif
