// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A game window for the window tests, started at 45296.25 s past midnight in a folder of
// its own that holds the phrase file of the test's choosing, with a random source that
// gives exactly the draws a test asks for, then 0.

#pragma once

#include "boardview.h"
#include "form1.h"
#include "gamefixture.h"
#include "qtext.h"

#include <QAction>
#include <QDir>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

struct GameWindow {
    // bytes: the content of Tilde.txt, or nothing for a folder without one.
    explicit GameWindow(const std::optional<QByteArray> &bytes, std::vector<double> draws = {})
    {
        QFile file(folder.filePath(QStringLiteral("Tilde.txt")));
        if (bytes && file.open(QIODevice::WriteOnly))
            file.write(*bytes);
        QDir::setCurrent(folder.path());
        random = new ScriptedRandom;
        random->draws = std::move(draws);
        form = std::make_unique<Form1>(std::unique_ptr<RandomSource>(random),
                                       [] { return 45296.25f; });
        form->setGeometry(40, 40, 1000, 700);
        board = form->findChild<BoardView *>();
    }
    void show()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    QAction *menuItem(int index) const { return form->menuBar()->actions().at(index); }
    void start()
    {
        show();
        menuItem(0)->trigger();
    }
    const Game &game() const { return form->game(); }
    QString boardText() const
    {
        std::u16string text;
        for (int i = 0; i < TileCount && game().letter(i).shown; ++i)
            text += game().letter(i).caption;
        return qtext(text);
    }
    QPoint inside(int tile) const { return board->labelRect(tile).topLeft() + QPoint(2, 2); }
    void click(int tile) { QTest::mouseClick(board, Qt::LeftButton, {}, inside(tile)); }
    // A mouse move over the board, with the buttons held.
    void move(QPoint at, Qt::MouseButtons held = Qt::NoButton)
    {
        QMouseEvent event(QEvent::MouseMove, at, board->mapToGlobal(at), Qt::NoButton, held, {});
        QApplication::sendEvent(board, &event);
    }
    // A point of the board where no label lies.
    QPoint background() const { return QPoint(board->width() - 5, 3); }

    QTemporaryDir folder;
    ScriptedRandom *random = nullptr;
    std::unique_ptr<Form1> form;
    BoardView *board = nullptr;
};
