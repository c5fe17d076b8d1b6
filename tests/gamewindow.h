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
    QPoint inside(int tile) const { return board->labelRect(tile).topLeft() + QPoint(2, 2); }
    // A point of the board where no label lies.
    QPoint background() const { return QPoint(board->width() - 5, 3); }

    // Plays one gesture: "Start", "Help" or "Credits" from the menu; a key by its name
    // ("Return", "Ctrl+Return", "A" ...) as the window system delivers it, to the window
    // whatever has the focus; "show PHRASE", a phrase laid out by the game itself; or a
    // mouse gesture and where it is made, a tile by its index or "background": "click 2",
    // "right-click 2", "double-click background", "right-double-click background", "press
    // 1", "release background", "move 3", "drag 3" (a move with the left button held).
    void play(const QString &gesture)
    {
        const QStringList menu{QStringLiteral("Start"), QStringLiteral("Help"),
                               QStringLiteral("Credits")};
        const QString where = gesture.section(u' ', 1);
        const QKeyCombination key = QKeySequence(gesture)[0];
        if (menu.contains(gesture))
            menuItem(int(menu.indexOf(gesture)))->trigger();
        else if (gesture.startsWith(u"show "))
            form->game().ShowPhrase(where.toStdU16String());
        else if (where.isEmpty())
            QTest::keyClick(form->windowHandle(), key.key(), key.keyboardModifiers());
        else
            mouse(gesture.section(u' ', 0, 0), where);
    }
    // A mouse gesture on a tile, by its index, or on the background.
    void mouse(const QString &what, const QString &where)
    {
        const QPoint at = where == u"background" ? background() : inside(where.toInt());
        const Qt::MouseButton button = what.startsWith(u"right") ? Qt::RightButton : Qt::LeftButton;
        if (what.endsWith(u"double-click"))
            QTest::mouseDClick(board, button, {}, at);
        else if (what.endsWith(u"click"))
            QTest::mouseClick(board, button, {}, at);
        else if (what == u"press")
            QTest::mousePress(board, button, {}, at);
        else if (what == u"release")
            QTest::mouseRelease(board, button, {}, at);
        else
            move(at, what == u"drag" ? Qt::LeftButton : Qt::NoButton);
    }
    // A mouse move over the board, with the buttons held.
    void move(QPoint at, Qt::MouseButtons held)
    {
        QMouseEvent event(QEvent::MouseMove, at, board->mapToGlobal(at), Qt::NoButton, held, {});
        QApplication::sendEvent(board, &event);
    }
    void play(const QStringList &gestures)
    {
        for (const QString &gesture : gestures)
            play(gesture);
    }

    QTemporaryDir folder;
    ScriptedRandom *random = nullptr;
    std::unique_ptr<Form1> form;
    BoardView *board = nullptr;
};
