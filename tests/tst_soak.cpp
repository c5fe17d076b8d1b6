// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Seeded random input on the real window: clicks and moves on tiles, submissions, chords
// and right double-clicks that do not submit, Start, Help and Credits. After each event the
// window must still keep the rules of the game.

#include "gamewindow.h"

#include <random>

class TestSoak : public QObject
{
    Q_OBJECT

private slots:
    void randomInputKeepsTheRules()
    {
        GameWindow game(
            QStringLiteral("Él está aquí.\r\nSí, señor.\r\nhola mundo\r\n¿Qué día es?\r\n").toUtf8()
            + QByteArray(400, 'z')); // longer than the board
        std::mt19937 engine(20240611);
        std::generate_n(std::back_inserter(game.random->draws), 2000,
                        [&] { return engine() % 1000 / 1000.0; });
        game.show();
        const auto base = [](const QString &text) {
            return text.normalized(QString::NormalizationForm_D).left(1);
        };
        QStringList queue; // what the window should hold
        bool showsHead = false, reported = false;
        quint64 submissions = 0, hits = 0, allHits = 0;
        for (int event = 0; event < 3000 && !QTest::currentTestFailed(); ++event) {
            const int kind = int(engine() % 100), shown = game.shownTiles();
            const bool right = showsHead && !queue.isEmpty() && game.board() == queue[0].left(383);
            if (kind < 40
                && shown
                    > 1) { // half the time on a tile whose accent is wrong, so that games are won
                int i = 1 + int(engine() % (shown - 1));
                for (int j = 1; showsHead && kind < 20 && j < shown; ++j)
                    i = game.tile(j)->caption() != queue[0][j - 1] ? j : i;
                game.click(i);
            } else if (kind < 50 && shown > 0) {
                QTest::mouseMove(game.tile(int(engine() % shown)), QPoint(2, 2));
            } else if (kind < 90
                       && game.form->hitCount()) { // only the left button and Enter alone submit
                const bool submits = kind < 80;
                if (kind < 65 || kind >= 85)
                    QTest::mouseDClick(game.form->textPanel(),
                                       kind < 65 ? Qt::LeftButton : Qt::RightButton);
                else
                    QTest::keyClick(game.form.get(), kind % 2 ? Qt::Key_Return : Qt::Key_Enter,
                                    submits ? Qt::NoModifier : Qt::ControlModifier);
                reported = reported || submits;
                submissions += submits && !queue.isEmpty();
                if (submits && right)
                    queue.removeFirst(), ++hits, ++allHits;
            } else if (kind < 94) {
                game.form->startAction()->trigger();
                queue = game.form->playList();
                showsHead = true, reported = false, submissions = hits = 0;
            } else {
                (kind % 2 ? game.form->helpAction() : game.form->creditsAction())->trigger();
                showsHead = false, reported = false;
            }
            // Hits and misses add up to the submissions; the queue only shrinks on a hit, by one;
            // the board shows its head and no tile beyond, on the window's colour.
            const QByteArray at = "event " + QByteArray::number(event);
            QVERIFY2(game.form->hitCount().value_or(0) == hits
                         && quint64(game.form->missCount()) == submissions - hits,
                     at);
            QVERIFY2(game.form->playList() == queue, at);
            const QString head = queue.value(0).left(383);
            QVERIFY2(game.shownTiles() == (showsHead ? head.size() + 1 : 0), at);
            for (int i = 0; i < TileCount;
                 ++i) // a tile shows its letter with or without the accent
                QVERIFY2(
                    game.tile(i)->backgroundColour() == game.form->backgroundColour()
                        && (i < game.shownTiles() ? i == 0
                                    || base(game.tile(i)->caption()) == base(head.mid(i - 1, 1))
                                                  : game.tile(i)->isHidden()),
                    at);
            const QString counts =
                QStringLiteral("Shots :  %1 Hits   :  %2").arg(submissions).arg(hits);
            QVERIFY2(reported && submissions > 0 ? game.report().endsWith(counts)
                                                 : game.report().isEmpty(),
                     at);
        }
        QVERIFY(allHits > 50);
    }
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
