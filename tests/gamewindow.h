// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A game window for the widget tests, started at 45296.25 s past midnight in a folder of
// its own that holds the phrase file of the test's choosing, with a random source that
// gives exactly the draws a test asks for, then 0.

#pragma once

#include "captionlabel.h"
#include "form1.h"
#include "randomsource.h"
#include "textpanel.h"

#include <QAction>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

struct ScriptedRandom : RandomSource {
    void seed(float seconds) override { seeds.push_back(seconds); }
    double next() override
    {
        return ++drawCount <= int(draws.size()) ? draws[std::size_t(drawCount - 1)] : 0;
    }
    std::vector<double> draws;
    std::vector<float> seeds;
    int drawCount = 0;
};

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
    }
    void show()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    CaptionLabel *tile(int index) const { return form->letter(index); }
    QStringList lines() const { return form->textPanel()->lines(); }
    QString report() const { return form->reportLabel()->caption(); }
    int shownTiles() const
    {
        int n = 0;
        while (n < TileCount && !tile(n)->isHidden())
            ++n;
        return n;
    }
    QString board() const
    {
        QString text;
        for (int i = 0; i < shownTiles(); ++i)
            text += tile(i)->caption();
        return text;
    }
    void click(int index) { QTest::mouseClick(tile(index), Qt::LeftButton, {}, QPoint(2, 2)); }
    void doubleClickBackground()
    {
        QTest::mouseDClick(form->textPanel(), Qt::LeftButton, {}, QPoint(995, 3));
    }
    void enter() { QTest::keyClick(form.get(), Qt::Key_Return); }

    QTemporaryDir folder;
    ScriptedRandom *random = nullptr;
    std::unique_ptr<Form1> form;
};
