// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window as a whole: Load, the phrase file and what the window says about it, the
// text panel under Help and Credits, which events submit, and the toolkit's options.

#include "gamewindow.h"
#include "startup.h"

#include <QMenuBar>
#include <QScreen>

#include <sys/stat.h>

namespace {

QStringList loadReport(int phrases)
{
    return {"",
            " Tilde.TXT Loaded.",
            " File contains :  " + QString::number(phrases) + " phrases.",
            "",
            " Click START to begin the test.",
            " Click HELP to read the instructions."};
}

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    void loadPaintsAndReadsThePhrasesOnce()
    {
        GameWindow game(QByteArray("uno\r\ndos\r\n"), {0.8}); // the sixth of seven colours
        QCOMPARE(game.random->seeds, std::vector<float>{45296.25f});
        const QColor brownishRed(128, 64, 64);
        QCOMPARE(game.form->backgroundColour(), brownishRed);
        QCOMPARE(game.form->reportLabel()->backgroundColour(), brownishRed);
        for (int i = 0; i < TileCount; ++i) {
            QVERIFY(game.tile(i)->isHidden());
            QCOMPARE(game.tile(i)->backgroundColour(), brownishRed);
        }

        // With no window manager the window is never activated: being shown is enough.
        QVERIFY(game.form->sourceList().isEmpty());
        game.form->show();
        QCOMPARE(game.form->sourceList(), QStringList({"uno", "dos"}));
        // Neither showing the window again nor an activation reads the file a second time.
        QFile::remove(QStringLiteral("Tilde.txt"));
        game.form->hide();
        showMainWindow(*game.form);
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(game.form.get(), &activate);
        QCOMPARE(game.lines(), loadReport(2));
        // Maximised over the screen's free area, given first for want of a window manager.
        QVERIFY(game.form->isMaximized());
        QCOMPARE(game.form->normalGeometry(), game.form->screen()->availableGeometry());

        // Before any game a submission prompts to start, and reports nothing.
        game.enter();
        QCOMPARE(game.lines(), QStringList({"", " Press START to being test ! "}));
        QCOMPARE(game.report(), QString());

        game.form->helpAction()->trigger();
        QCOMPARE(
            game.lines(),
            QStringList({"", " Acutrix automatically searches and loads ", " the file : Tilde.TXT.",
                         " Make sure that the EXE file and the TXT file are  ", " the same folder.",
                         "", " Click START to begin the test.", "",
                         " Click the letters to add/remove the tilde.", "",
                         " Double-click the background to submit your answer.", "",
                         " If your answer is correct,a new phrase will show up!"}));
        // Nine lines of credits within the window's designed width, in white 24 pt letters.
        game.form->creditsAction()->trigger();
        QCOMPARE(game.lines().size(), 9);
        const QFontMetrics metrics(game.form->textPanel()->font());
        for (const QString &line : game.lines())
            QVERIFY2(metrics.horizontalAdvance(line) <= 792, qPrintable(line));
        QCOMPARE(game.form->textPanel()->font().pointSize(), 24);
        QImage shot = game.form->textPanel()->grab(QRect(0, 0, 300, 100)).toImage();
        shot.convertTo(QImage::Format_RGB32);
        const auto *pixels = reinterpret_cast<const QRgb *>(shot.constBits());
        QVERIFY(std::count(pixels, pixels + 300 * 100, qRgb(255, 255, 255)) > 50);
        game.form->PaintBackground(); // a new colour erases what was printed
        QVERIFY(game.lines().isEmpty());
    }

    // Each file either loads, below what the panel showed, or gives the warning on a clean
    // panel with Start disabled.
    void phraseFileLoadsOrIsRefused_data()
    {
        QTest::addColumn<QByteArray>("make");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("phrases"); // -1: refused
        QTest::newRow("missing") << QByteArray("nothing") << QByteArray() << -1;
        QTest::newRow("a folder") << QByteArray("folder") << QByteArray() << -1;
        QTest::newRow("a dangling link") << QByteArray("link") << QByteArray("nowhere.txt") << -1;
        QTest::newRow("a FIFO") << QByteArray("fifo") << QByteArray() << -1;
        QTest::newRow("empty") << QByteArray("file") << QByteArray() << 0;
        QTest::newRow("NUL bytes") << QByteArray("file") << QByteArray(4096, '\0') << 1;
    }

    void phraseFileLoadsOrIsRefused()
    {
        QFETCH(QByteArray, make);
        QFETCH(QByteArray, bytes);
        QFETCH(int, phrases);
        GameWindow game(std::nullopt);
        QFile file(QStringLiteral("Tilde.txt"));
        if (make == "file") {
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(bytes), bytes.size());
            file.close();
        }
        QVERIFY(make != "folder" || QDir().mkdir(QStringLiteral("Tilde.txt")));
        QVERIFY(make != "link" || QFile::link(bytes, QStringLiteral("Tilde.txt")));
        QVERIFY(make != "fifo" || ::mkfifo("Tilde.txt", 0600) == 0);

        game.form->textPanel()->printLine(QStringLiteral(" earlier"));
        game.show();
        QCOMPARE(game.form->sourceList().size(), std::max(phrases, 0));
        QCOMPARE(game.form->startAction()->isEnabled(), phrases >= 0);
        const QStringList warning = {"",
                                     " WARNING : Unable to load file Tilde.TXT",
                                     " This file contains the phrases for the test.",
                                     "",
                                     " You can manually create/customize a new one.",
                                     " Remember that Acutrix.EXE and Tilde.TXT ",
                                     " must be placed in the same folder."};
        QCOMPARE(game.lines(),
                 phrases >= 0 ? QStringList{" earlier"} + loadReport(phrases) : warning);
    }

    // Return and keypad Enter submit, and so does a double-click on the background with the
    // left button; other keys, chords and buttons do nothing.
    void whatSubmits_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("misses");
        const int none = Qt::NoModifier;
        QTest::newRow("Return") << int(Qt::Key_Return) << none << 0 << 1;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 0 << 1;
        QTest::newRow("Space") << int(Qt::Key_Space) << none << 0 << 0;
        QTest::newRow("Ctrl+Return") << int(Qt::Key_Return) << int(Qt::ControlModifier) << 0 << 0;
        QTest::newRow("left double-click") << 0 << none << int(Qt::LeftButton) << 1;
        QTest::newRow("right double-click") << 0 << none << int(Qt::RightButton) << 0;
    }
    void whatSubmits()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, button);
        QFETCH(int, misses);
        GameWindow game(QByteArray("mam\xE1\r\n"));
        game.show();
        game.form->startAction()->trigger();
        if (key != 0)
            QTest::keyClick(game.form.get(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        else
            QTest::mouseDClick(game.form->textPanel(), Qt::MouseButton(button));
        QCOMPARE(game.form->missCount(), misses);
        QCOMPARE(game.report().isEmpty(), misses == 0);
        QCOMPARE(game.board(), QStringLiteral("mama"));
    }

    void toolkitOptionsDoNotReachTheWindow()
    {
        // The application was made from a command line with -reverse and -stylesheet (see main).
        GameWindow game(QByteArray("uno\r\n"));
        game.show();
        const QMenuBar *bar = game.form->menuBar();
        const QList<QAction *> items = bar->actions();
        QCOMPARE(items[0]->text() + items[1]->text() + items[2]->text(),
                 QStringLiteral("StartHelpCredits"));
        QVERIFY(bar->actionGeometry(items[0]).x() < bar->actionGeometry(items[1]).x());
        QVERIFY(bar->actionGeometry(items[1]).x() < bar->actionGeometry(items[2]).x());
        QCOMPARE(qApp->styleSheet(), QString());
    }
};

// The application is made as the program makes it, from a command line full of toolkit
// options; the test's own options go to the test runner.
int main(int argc, char *argv[])
{
    char reverse[] = "-reverse";
    char stylesheet[] = "-stylesheet";
    char sheet[] = "QWidget { color: red }";
    char *programArgv[] = {argv[0], reverse, stylesheet, sheet, nullptr};
    AcutrixApplication app(4, programArgv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestWindow test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_window.moc"
