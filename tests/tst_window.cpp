// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window as a whole: its controls at start-up, the seeding and the background at
// Load, loading once, the text panel with Help and Credits, and which events submit.

#include "gamewindow.h"
#include "messages.h"

#include "backgroundpalette.h"
#include "startup.h"

#include <QAction>
#include <QMenuBar>

class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    void startsWithItsControlsIdle();
    void loadSeedsFromTheTimeOfDayAndPaints_data();
    void loadSeedsFromTheTimeOfDayAndPaints();
    void phrasesLoadOnceWhenFirstShown();
    void helpPrintsTheInstructionsAtTheTop();
    void creditsPrintNineLinesAfterTheLoadReport();
    void helpDuringAGameHidesTheBoardAndKeepsTheCounts();
    void newBackgroundErasesPrintedLines();
    void enterAndBackgroundDoubleClickSubmit();
    void otherKeysChangeNothing();
    void doubleClicksOnLabelsDoNotSubmit();
    void toolkitOptionsDoNotReachTheWindow();
    void creditsFitTheDesignedWidth();
};

void TestWindow::startsWithItsControlsIdle()
{
    GameWindow game(QByteArray("uno\r\n"));
    Form1 &form = *game.form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Acutrix"));

    const QList<QAction *> items = form.menuBar()->actions();
    QCOMPARE(items.size(), 3);
    const QStringList captions = {QStringLiteral("Start"), QStringLiteral("Help"), QStringLiteral("Credits")};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(items[i]->text(), captions[i]);
        QVERIFY(items[i]->isEnabled());
        QVERIFY(items[i]->shortcut().isEmpty());
        QVERIFY(!items[i]->menu());
    }

    for (int i = 0; i < TileCount; ++i) {
        QVERIFY(game.tile(i)->isHidden());
        QCOMPARE(game.tile(i)->caption(), QString());
        QCOMPARE(game.tile(i)->pointSize(), 36.0);
    }
    QVERIFY(!form.reportLabel()->isHidden());
    QCOMPARE(form.reportLabel()->caption(), QString());
    QVERIFY(form.playList().isEmpty());
    QVERIFY(!form.hitCount().has_value());
    QCOMPARE(form.missCount(), qint16(0));

    const QList<QSize> iconSizes = form.windowIcon().availableSizes();
    QVERIFY(iconSizes.contains(QSize(16, 16)));
    QVERIFY(iconSizes.contains(QSize(32, 32)));
}

void TestWindow::loadSeedsFromTheTimeOfDayAndPaints_data()
{
    QTest::addColumn<double>("draw");
    QTest::addColumn<int>("number");
    QTest::newRow("zero gives dark blue") << 0.0 << 1;
    QTest::newRow("just under 1/7") << std::nextafter(1.0 / 7, 0.0) << 1;
    QTest::newRow("3/7 gives dark purple") << 3.0 / 7 + 1e-12 << 4;
    QTest::newRow("just under 1 gives black") << std::nextafter(1.0, 0.0) << 7;
}

void TestWindow::loadSeedsFromTheTimeOfDayAndPaints()
{
    QFETCH(double, draw);
    QFETCH(int, number);
    GameWindow game(QByteArray("uno\r\n"), {draw}, 45296.25f);
    QCOMPARE(game.random->seeds, std::vector<float>{45296.25f});
    QCOMPARE(game.random->drawCount, 1);

    const Rgb rgb = rgbOf(BackgroundPalette[std::size_t(number - 1)]);
    const QColor expected(rgb.red, rgb.green, rgb.blue);
    QCOMPARE(game.form->backgroundColour(), expected);
    QCOMPARE(game.form->reportLabel()->backgroundColour(), expected);
    for (int i = 0; i < TileCount; ++i)
        QCOMPARE(game.tile(i)->backgroundColour(), expected);
}

void TestWindow::phrasesLoadOnceWhenFirstShown()
{
    GameWindow game(QByteArray("uno\r\ndos\r\n"));
    QVERIFY(game.form->sourceList().isEmpty());
    QVERIFY(game.panelLines().isEmpty());
    game.show();
    QCOMPARE(game.form->sourceList(), QStringList({"uno", "dos"}));
    QCOMPARE(game.panelLines(), Messages::loadReport(2));

    // Neither a new activation nor showing the window again reads the file a second time.
    QFile::remove(QStringLiteral("Tilde.txt"));
    game.form->hide();
    game.form->show();
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(game.form.get(), &activate);
    QCOMPARE(game.panelLines(), Messages::loadReport(2));
    QVERIFY(game.form->startAction()->isEnabled());
}

void TestWindow::helpPrintsTheInstructionsAtTheTop()
{
    GameWindow game(QByteArray("uno\r\n"));
    game.show();
    const QStringList expected = {
        "",
        " Acutrix automatically searches and loads ",
        " the file : Tilde.TXT.",
        " Make sure that the EXE file and the TXT file are  ",
        " the same folder.",
        "",
        " Click START to begin the test.",
        "",
        " Click the letters to add/remove the tilde.",
        "",
        " Double-click the background to submit your answer.",
        "",
        " If your answer is correct,a new phrase will show up!",
    };
    game.form->helpAction()->trigger();
    QCOMPARE(game.panelLines(), expected);
    game.form->helpAction()->trigger();
    QCOMPARE(game.panelLines(), expected);
}

void TestWindow::creditsPrintNineLinesAfterTheLoadReport()
{
    GameWindow game(QByteArray("uno\r\n"));
    game.show();
    game.form->creditsAction()->trigger();
    const QStringList lines = game.panelLines();
    QCOMPARE(lines.size(), 9);
    for (int i : {0, 2, 4, 6})
        QCOMPARE(lines[i], QString());
    for (int i : {1, 3, 5, 7, 8}) {
        QVERIFY(lines[i].size() > 1);
        QVERIFY(lines[i].startsWith(u' '));
    }
}

void TestWindow::helpDuringAGameHidesTheBoardAndKeepsTheCounts()
{
    GameWindow game(QByteArray("uno\r\ndos\r\n"));
    game.show();
    game.form->startAction()->trigger();
    game.pressEnter(); // both phrases are right without accents: a hit
    QCOMPARE(game.form->hitCount(), std::optional<quint64>(1));
    QVERIFY(!game.form->reportLabel()->caption().isEmpty());

    game.form->helpAction()->trigger();
    QCOMPARE(game.shownTiles(), 0);
    QCOMPARE(game.form->reportLabel()->caption(), QString());
    QCOMPARE(game.form->hitCount(), std::optional<quint64>(1));
    QCOMPARE(game.form->missCount(), qint16(0));
    QVERIFY(game.form->startAction()->isEnabled());

    // The phrase stays hidden: the empty board is a wrong answer.
    const QString phrase = game.form->playList().first();
    game.pressEnter();
    QCOMPARE(game.form->missCount(), qint16(1));
    QCOMPARE(game.form->playList(), QStringList{phrase});
    QCOMPARE(game.shownTiles(), 0);
}

void TestWindow::newBackgroundErasesPrintedLines()
{
    GameWindow game(QByteArray("uno\r\n"));
    game.show();
    QVERIFY(!game.panelLines().isEmpty());
    game.form->PaintBackground();
    QVERIFY(game.panelLines().isEmpty());
}

void TestWindow::enterAndBackgroundDoubleClickSubmit()
{
    GameWindow game(QByteArray("uno\r\n"));
    game.show();
    // Before any game a submission prompts to start, and counts nothing.
    game.pressEnter();
    QCOMPARE(game.panelLines(), Messages::startPrompt());
    game.form->creditsAction()->trigger();
    QTest::keyClick(game.form.get(), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(game.panelLines(), Messages::startPrompt());
    game.form->creditsAction()->trigger();
    game.doubleClickBackground();
    QCOMPARE(game.panelLines(), Messages::startPrompt());
    QCOMPARE(game.form->reportLabel()->caption(), QString());
    QVERIFY(!game.form->hitCount().has_value());
    QCOMPARE(game.form->missCount(), qint16(0));
}

void TestWindow::otherKeysChangeNothing()
{
    GameWindow game(QByteArray("uno\r\n"));
    game.show();
    game.form->startAction()->trigger();
    const QString board = game.board();
    for (Qt::Key key : {Qt::Key_A, Qt::Key_Space, Qt::Key_Backspace, Qt::Key_Escape, Qt::Key_1, Qt::Key_Tab})
        QTest::keyClick(game.form.get(), key);
    QTest::keyClick(game.form.get(), Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(game.board(), board);
    QCOMPARE(game.form->playList().size(), 1);
    QCOMPARE(game.form->missCount(), qint16(0));
    QCOMPARE(game.form->hitCount(), std::optional<quint64>(0));
}

void TestWindow::doubleClicksOnLabelsDoNotSubmit()
{
    GameWindow game(QByteArray("uno\r\n"));
    game.show();
    game.form->startAction()->trigger();
    game.clickTile(1);
    game.pressEnter(); // "úno" is wrong: one miss, and a report to double-click on
    QCOMPARE(game.form->missCount(), qint16(1));

    QTest::mouseDClick(game.form->reportLabel(), Qt::LeftButton);
    QTest::mouseDClick(game.tile(2), Qt::LeftButton);
    QCOMPARE(game.form->missCount(), qint16(1));

    // A real double-click on a tile arrives as press, release, double-click, release:
    // it toggles the accent once.
    CaptionLabel *tile = game.tile(1);
    const QPoint inside(2, 2);
    QTest::mousePress(tile, Qt::LeftButton, {}, inside);
    QTest::mouseRelease(tile, Qt::LeftButton, {}, inside);
    QMouseEvent second(QEvent::MouseButtonDblClick, inside, tile->mapToGlobal(inside), Qt::LeftButton,
                       Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(tile, &second);
    QTest::mouseRelease(tile, Qt::LeftButton, {}, inside);
    QCOMPARE(tile->caption(), QStringLiteral("u"));
    QCOMPARE(game.form->missCount(), qint16(1));
}

void TestWindow::toolkitOptionsDoNotReachTheWindow()
{
    // The application was made from a command line with -reverse (see main below).
    GameWindow game(QByteArray("uno\r\n"));
    game.show();
    QCOMPARE(game.form->layoutDirection(), Qt::LeftToRight);
    const QMenuBar *bar = game.form->menuBar();
    const int start = bar->actionGeometry(game.form->startAction()).x();
    const int help = bar->actionGeometry(game.form->helpAction()).x();
    const int credits = bar->actionGeometry(game.form->creditsAction()).x();
    QVERIFY(start < help && help < credits);
    QCOMPARE(game.form->styleSheet(), QString());
    QCOMPARE(qApp->styleSheet(), QString());
}

void TestWindow::creditsFitTheDesignedWidth()
{
    GameWindow game(QByteArray("uno\r\n"));
    game.show();
    game.form->creditsAction()->trigger();
    const QFontMetrics metrics(game.form->textPanel()->font());
    int widest = 0;
    for (const QString &line : game.panelLines())
        widest = std::max(widest, metrics.horizontalAdvance(line));
    QVERIFY2(widest <= 792, qPrintable(QString::number(widest)));
}

// The application is made as the program makes it, from a command line full of toolkit
// options; the test's own options go to the test runner.
int main(int argc, char *argv[])
{
    char reverse[] = "-reverse", stylesheet[] = "-stylesheet", sheet[] = "QWidget { color: red }";
    char *programArgv[] = {argv[0], reverse, stylesheet, sheet, nullptr};
    AcutrixApplication app(4, programArgv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestWindow test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_window.moc"
