// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A long run of random input on the real offscreen window, from a fixed seed: clicks,
// double-clicks and moves on shown and hidden tiles, on the report and the background,
// key presses of every kind, Start, Help, Credits and resizes. Mouse and key events go
// through the window system, so they reach whatever widget lies under the pointer.
// After each event the window must obey the rules of the game.

#include "gamewindow.h"
#include "accents.h"
#include "backgroundpalette.h"
#include "messages.h"
#include "scorereport.h"

#include <QAction>
#include <QMenuBar>
#include <algorithm>
#include <random>

namespace {

// Accents in both cases, none, a tab, a no-break space, a duplicate, a phrase that fills
// every tile and a longer one, with their accents on the rows the window shows.
const QStringList Phrases = {
    QStringLiteral("Él está aquí."), QStringLiteral("Sí, señor."), QStringLiteral("hola mundo"),
    QStringLiteral("ÁRBOL ÉXITO ÍNDICE ÓPERA ÚLTIMO"), QStringLiteral("¿Qué día es hoy?"),
    QStringLiteral("uno\tdós a\u00A0b"), QStringLiteral("Sí, señor."),
    QStringLiteral("Mañana sí") + QString(MaxPhraseTiles - 9, u'z'),
    QStringLiteral("Había una canción ") + QString(400 - 18, u'z'),
};

// Keys with the text they type. Return and keypad Enter submit, also with Shift.
const std::pair<Qt::Key, const char16_t *> Keys[] = {
    {Qt::Key_Return, u"\r"}, {Qt::Key_Enter, u"\r"}, {Qt::Key_A, u"a"}, {Qt::Key_E, u"E"}, {Qt::Key_0, u"0"},
    {Qt::Key_Space, u" "}, {Qt::Key_Backspace, u"\b"}, {Qt::Key_Escape, u"\x1b"}, {Qt::Key_Tab, u"\t"},
    {Qt::Key_Backtab, u""}, {Qt::Key_Delete, u"\x7f"}, {Qt::Key_Home, u""}, {Qt::Key_PageDown, u""},
    {Qt::Key_Left, u""}, {Qt::Key_Up, u""}, {Qt::Key_F1, u""}, {Qt::Key_F10, u""}, {Qt::Key_Shift, u""},
    {Qt::Key_Control, u""}, {Qt::Key_Alt, u""}, {Qt::Key_Meta, u""}, {Qt::Key_Menu, u""},
    {Qt::Key_CapsLock, u""}, {Qt::Key_Period, u"."}, {Qt::Key_Question, u"?"}, {Qt::Key_Aacute, u"á"},
    {Qt::Key_Ntilde, u"ñ"}, {Qt::Key_Dead_Acute, u""}, {Qt::Key_Print, u""}, {Qt::Key_unknown, u"\u00B4"},
};
const Qt::KeyboardModifiers Modifiers[] = {
    Qt::NoModifier, Qt::NoModifier, Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier,
    Qt::AltModifier, Qt::MetaModifier, Qt::KeypadModifier, Qt::ShiftModifier | Qt::ControlModifier,
};
const QColor Selected(0, 192, 192);

QColor colourOf(BgrColour colour)
{
    const Rgb rgb = rgbOf(colour);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

struct Soak {
    Soak(const std::optional<QByteArray> &file, quint64 seed) : game(file), engine(seed) {}

    GameWindow game;
    std::mt19937_64 engine;
    int hitsSeen = 0, missesSeen = 0, gamesFinished = 0, prompts = 0, fullBoards = 0;
    // What the rules foresee.
    QStringList source, queue;
    bool started = false, showsHead = false, reported = false;
    quint64 hits = 0, submissions = 0; // in the current game
    QByteArray action;

    Form1 &form() { return *game.form; }
    QWindow *window() { return game.form->windowHandle(); }
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine); }

    void run(int events)
    {
        game.show();
        source = form().sourceList();
        queue = form().playList();
        for (int event = 0; event <= events && !QTest::currentTestFailed(); ++event) {
            if (event > 0)
                step();
            if (!QTest::currentTestFailed())
                verify("after event " + QByteArray::number(event) + ": " + action);
        }
    }

    // A random point of the widget that the window shows, in window coordinates.
    QPoint pointOn(QWidget *widget)
    {
        const QRect shown = QRect(QPoint(), window()->size()).intersected(form().rect());
        const QRect area = QRect(widget->mapTo(&form(), QPoint()), widget->size()).intersected(shown);
        if (area.isEmpty())
            return form().textPanel()->mapTo(&form(), QPoint(5, 5));
        return QPoint(area.left() + below(area.width()), area.top() + below(area.height()));
    }

    // Helpful: a shown tile whose accent differs from the phrase, so that games are won.
    // Otherwise a shown tile, a hidden one (where it last stood), the report or the background.
    QPoint target(bool helpful)
    {
        const int shown = game.shownTiles(), pick = below(100);
        std::vector<int> wrong;
        for (int i = 1; helpful && showsHead && i < shown; ++i) {
            if (game.tile(i)->caption() != queue[0][i - 1])
                wrong.push_back(i);
        }
        if (!wrong.empty())
            return pointOn(game.tile(wrong[std::size_t(below(int(wrong.size())))]));
        if (pick < 50 && shown > 0)
            return pointOn(game.tile(below(shown)));
        if (pick < 65)
            return pointOn(game.tile(below(TileCount)));
        return pick < 75 ? pointOn(form().reportLabel()) : pointOn(form().textPanel());
    }

    void step()
    {
        // Out of ten thousand; Start, Help and Credits are rare so that games reach their end.
        const int kind = below(10000);
        if (kind < 4200)
            click(target(kind >= 1200), Qt::LeftButton, false);
        else if (kind < 5400)
            click(target(false), Qt::NoButton, false); // a move
        else if (kind < 6000)
            click(target(false), Qt::LeftButton, true);
        else if (kind < 6900)
            click(pointOn(form().textPanel()), Qt::LeftButton, true);
        else if (kind < 7100)
            click(target(false), below(2) ? Qt::RightButton : Qt::MiddleButton, below(2));
        else if (kind < 9900)
            key();
        else if (kind < 9950)
            menu(form().startAction());
        else if (kind < 9970)
            menu(below(2) ? form().helpAction() : form().creditsAction());
        else
            resize();
    }

    void resize()
    {
        action = "resize";
        form().resize(300 + below(800), 250 + below(550));
    }

    void click(QPoint point, Qt::MouseButton button, bool twice)
    {
        QWidget *under = form().childAt(point);
        int tile = TileCount - 1;
        while (tile >= 0 && game.tile(tile) != under)
            --tile;
        const QString before = tile >= 0 ? game.tile(tile)->caption() : QString();
        const bool right = answerIsRight();
        action = (twice ? "double-click " : "click ") + QByteArray::number(int(button)) + " on tile "
            + QByteArray::number(tile) + " of " + (under ? under->metaObject()->className() : "nothing");
        if (button == Qt::NoButton)
            QTest::mouseMove(window(), point);
        else if (twice)
            QTest::mouseDClick(window(), button, {}, point);
        else
            QTest::mouseClick(window(), button, {}, point);
        if (button == Qt::LeftButton && tile >= 0) {
            // Even a double-click toggles the accent once; the tile clicked last is selected.
            QVERIFY2(game.tile(tile)->caption() == Tilde(before), action);
            QVERIFY2(game.tile(tile)->textColour() == Selected, action);
        } else if (button == Qt::LeftButton && twice && under == form().textPanel()) {
            submitted(right);
        }
    }

    void key()
    {
        const auto [key, text] = Keys[below(int(std::size(Keys)))];
        const Qt::KeyboardModifiers modifiers = Modifiers[below(int(std::size(Modifiers)))];
        action = "key " + QByteArray::number(int(key), 16) + " with " + QByteArray::number(int(modifiers), 16);
        const bool right = answerIsRight();
        QTest::sendKeyEvent(QTest::Click, window(), key, QString::fromUtf16(text), modifiers);
        if ((key == Qt::Key_Return || key == Qt::Key_Enter)
            && !(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
            submitted(right);
        // Alt alone hands the keyboard to the menu bar, as on every desktop; Escape takes it back.
        if (form().menuBar()->hasFocus()) {
            QTest::sendKeyEvent(QTest::Click, window(), Qt::Key_Escape, QStringLiteral("\x1b"), {});
            QVERIFY2(!form().menuBar()->hasFocus(), "Escape leaves the menu bar");
        }
    }

    // Start, Help or Credits, chosen on the menu bar with the mouse or triggered directly.
    void menu(QAction *item)
    {
        action = item->text().toUtf8();
        game.random->draws.resize(std::size_t(source.size()) + 1);
        std::generate(game.random->draws.begin(), game.random->draws.end(), [&] { return below(1000) / 1000.0; });
        const bool enabled = item->isEnabled(), start = item == form().startAction();
        QMenuBar *bar = form().menuBar();
        if (below(2))
            item->trigger();
        else
            QTest::mouseClick(window(), Qt::LeftButton, {}, bar->mapTo(&form(), bar->actionGeometry(item).center()));
        if (!enabled)
            return;
        showsHead = start;
        reported = false;
        if (!start) {
            QVERIFY2(game.panelLines() == (item == form().helpAction() ? Messages::help() : Messages::credits()), action);
            return;
        }
        started = true;
        hits = submissions = 0;
        // The queue holds every phrase of the file once per occurrence, in some order.
        QStringList sorted = form().playList(), expected = source;
        sorted.sort();
        expected.sort();
        QVERIFY2(sorted == expected, "Start queues every phrase of the file");
        queue = form().playList();
        fullBoards += queue.value(0).size() >= MaxPhraseTiles;
    }

    // Whether a submission now is a hit: the shown tiles spell the head of the queue as far
    // as they go. After Help or Credits the answer is empty, which is never right.
    bool answerIsRight() const
    {
        QString board;
        for (int i = 1; showsHead && i < TileCount && !game.tile(i)->isHidden(); ++i)
            board += game.tile(i)->caption();
        return !queue.isEmpty() && showsHead && board == queue[0].left(MaxPhraseTiles);
    }

    void submitted(bool right)
    {
        if (queue.isEmpty()) {
            ++prompts;
            reported = submissions > 0;
            QVERIFY2(game.panelLines() == Messages::startPrompt(), action);
            return;
        }
        ++submissions;
        ++(right ? hitsSeen : missesSeen);
        reported = true;
        if (right) {
            ++hits;
            queue.removeFirst();
            showsHead = true;
            gamesFinished += queue.isEmpty();
            fullBoards += queue.value(0).size() >= MaxPhraseTiles;
        }
    }

    void verify(const QByteArray &message)
    {
        const char *at = message.constData();
        // Hits and misses add up to the submissions made during the game.
        QVERIFY2(form().hitCount().has_value() == started, at);
        QVERIFY2(form().hitCount().value_or(0) == hits, at);
        QVERIFY2(form().hitCount().value_or(0) + quint64(form().missCount()) == submissions, at);

        // The phrases stay as loaded; the queue only loses its head, on a hit; the board
        // shows that head, a letter a tile with or without its accent, and no tile beyond.
        QVERIFY2(form().sourceList() == source && form().playList() == queue, at);
        const int shown = game.shownTiles();
        QVERIFY2(shown == (showsHead ? std::min<int>(queue.value(0).size(), MaxPhraseTiles) + 1 : 0), at);
        int misplaced = shown > 0 && !game.tile(0)->caption().isEmpty();
        for (int i = 1; i < shown; ++i) {
            const QString caption = game.tile(i)->caption();
            misplaced += caption != queue[0][i - 1] && Tilde(caption) != queue[0][i - 1];
        }
        QVERIFY2(misplaced == 0, at);

        // One background colour, from the palette, for the window, the report and every
        // tile; tiles at the normal or the hover size, at most one enlarged and one selected.
        const QColor background = form().backgroundColour();
        QVERIFY2(std::any_of(BackgroundPalette.begin(), BackgroundPalette.end(),
                             [&](BgrColour c) { return colourOf(c) == background; }), at);
        QVERIFY2(form().reportLabel()->backgroundColour() == background, at);
        int wrong = 0, enlarged = 0, selected = 0;
        for (int i = 0; i < TileCount; ++i) {
            const CaptionLabel *tile = game.tile(i);
            wrong += (i >= shown && !tile->isHidden()) || tile->backgroundColour() != background
                || (tile->pointSize() != NormalTilePoints && tile->pointSize() != HoverTilePoints);
            enlarged += tile->pointSize() == HoverTilePoints;
            selected += tile->textColour() == Selected;
        }
        QVERIFY2(wrong == 0 && enlarged <= 1 && selected <= 1, at);

        // A submission shows the counters, in the colour of their band, until Start, Help
        // or Credits clears them.
        const CaptionLabel *report = form().reportLabel();
        QVERIFY2(report->caption() == (reported ? reportCaption(hits, submissions - hits) : QString()), at);
        if (reported)
            QVERIFY2(report->textColour() == colourOf(reportColour(scorePercent(hits, submissions))), at);
    }
};

} // namespace

class TestSoak : public QObject
{
    Q_OBJECT

private slots:
    void randomPlayKeepsTheRules()
    {
        Soak soak(Phrases.join(u"\r\n").toUtf8(), 20240611);
        soak.run(20000);
        if (QTest::currentTestFailed())
            return;
        qInfo("%d hits, %d misses, %d games finished, %d prompts, %d full boards", soak.hitsSeen,
              soak.missesSeen, soak.gamesFinished, soak.prompts, soak.fullBoards);
        QVERIFY(soak.game.form->startAction()->isEnabled());
        // The run reached every outcome, not only misses.
        QVERIFY(soak.hitsSeen >= 200 && soak.missesSeen >= 200 && soak.gamesFinished >= 5);
        QVERIFY(soak.prompts >= 100 && soak.fullBoards >= 20);
    }

    void randomInputAfterAFailedLoadKeepsTheRules()
    {
        Soak soak(std::nullopt, 20240612);
        soak.run(3000);
        QVERIFY(!soak.game.form->startAction()->isEnabled());
        QVERIFY(soak.game.form->sourceList().isEmpty());
        QVERIFY(soak.prompts >= 100 && soak.hitsSeen == 0);
    }
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
