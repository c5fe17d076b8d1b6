// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GAMEWINDOW_H
#define GAMEWINDOW_H

// A game window for the widget tests: started in a folder of its own that holds a
// phrase file of the test's choosing, with a random source that gives exactly the draws
// a test asks for.

#include "captionlabel.h"
#include "form1.h"
#include "randomsource.h"
#include "textpanel.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <deque>
#include <memory>

class ScriptedRandom : public RandomSource
{
public:
    void seed(float seconds) override { seeds.push_back(seconds); }
    // The next scripted draw, or 0 when the script has run out.
    double next() override
    {
        ++drawCount;
        if (draws.empty())
            return 0;
        const double r = draws.front();
        draws.pop_front();
        return r;
    }

    std::deque<double> draws;
    std::vector<float> seeds;
    int drawCount = 0;
};

class GameWindow
{
public:
    // phraseBytes: the content of Tilde.txt, or nothing for a folder without one.
    explicit GameWindow(const std::optional<QByteArray> &phraseBytes, std::deque<double> draws = {},
                        float timeOfDay = 3600.5f)
        : m_previousFolder(QDir::currentPath())
    {
        if (phraseBytes) {
            QFile file(m_folder.filePath(QStringLiteral("Tilde.txt")));
            if (file.open(QIODevice::WriteOnly))
                file.write(*phraseBytes);
        }
        QDir::setCurrent(m_folder.path());
        auto source = std::make_unique<ScriptedRandom>();
        source->draws = std::move(draws);
        random = source.get();
        form = std::make_unique<Form1>(std::move(source), [timeOfDay] { return timeOfDay; });
        form->setGeometry(40, 40, 1000, 700);
    }

    ~GameWindow()
    {
        form.reset();
        QDir::setCurrent(m_previousFolder);
    }

    // Shows the window and waits until it is on the screen; the phrases load on the way.
    void show()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    CaptionLabel *tile(int index) const { return form->letter(index); }
    QStringList panelLines() const { return form->textPanel()->lines(); }

    // The number of tiles from 0 up that are shown.
    int shownTiles() const
    {
        int count = 0;
        while (count < TileCount && !tile(count)->isHidden())
            ++count;
        return count;
    }

    // The phrase as the shown tiles spell it.
    QString board() const
    {
        QString text;
        for (int i = 0; i < shownTiles(); ++i)
            text += tile(i)->caption();
        return text;
    }

    void clickTile(int index) { QTest::mouseClick(tile(index), Qt::LeftButton, {}, QPoint(2, 2)); }
    void doubleClickBackground()
    {
        QTest::mouseDClick(form->textPanel(), Qt::LeftButton, {}, QPoint(form->textPanel()->width() - 3, 3));
    }
    void pressEnter() { QTest::keyClick(form.get(), Qt::Key_Return); }

    QTemporaryDir m_folder;
    QString m_previousFolder;
    ScriptedRandom *random = nullptr;
    std::unique_ptr<Form1> form;
};

#endif
