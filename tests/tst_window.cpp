// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window: when it loads the phrase file, how it reads it from the folder, which events
// reach the game and where they go, what it paints, and the toolkit's options.

#include "gamewindow.h"
#include "qtext.h"
#include "startup.h"

#include <QScreen>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// How many pixels of a rectangle of the board are painted in a colour.
int pixelsOf(BoardView *board, const QRect &area, QRgb colour)
{
    const QImage shot = board->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < shot.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(shot.constScanLine(y));
        count += int(std::count(line, line + shot.width(), colour | 0xFF000000));
    }
    return count;
}

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    // With no window manager the window is never activated: being shown is enough.
    void loadsThePhrasesWhenFirstShown()
    {
        GameWindow window(QByteArray("uno\r\ndos\r\n"));
        QVERIFY(window.game().sourceList().empty());
        window.show();
        QCOMPARE(window.game().sourceList().size(), 2u);
    }

    void loadsThePhrasesOnce()
    {
        GameWindow window(QByteArray("uno\r\n"));
        window.show();
        QFile::remove(QStringLiteral("Tilde.txt"));
        window.form->hide();
        showMainWindow(*window.form);
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(window.form.get(), &activate);
        QCOMPARE(window.game().panelLines().size(), 6u);
    }

    // Maximised over the screen's free area, given first for want of a window manager.
    void showsMaximised()
    {
        GameWindow window(QByteArray("uno\r\n"));
        showMainWindow(*window.form);
        QVERIFY(window.form->isMaximized());
        QCOMPARE(window.form->normalGeometry(), window.form->screen()->availableGeometry());
    }

    // The file is read when it is a readable regular file; anything else disables Start.
    void phraseFileReadOrRefused_data()
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
        QTest::newRow("another case") << QByteArray("TILDE.TXT") << QByteArray("uno") << 1;
    }
    void phraseFileReadOrRefused()
    {
        QFETCH(QByteArray, make);
        QFETCH(QByteArray, bytes);
        QFETCH(int, phrases);
        GameWindow window(std::nullopt);
        QFile file(make == "TILDE.TXT" ? u"TILDE.TXT"_s : u"Tilde.txt"_s);
        if (make == "file" || make == "TILDE.TXT") {
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(bytes), bytes.size());
            file.close();
        }
        QVERIFY(make != "folder" || QDir().mkdir(QStringLiteral("Tilde.txt")));
        QVERIFY(make != "link" || QFile::link(bytes, QStringLiteral("Tilde.txt")));
        QVERIFY(make != "fifo" || ::mkfifo("Tilde.txt", 0600) == 0);
        window.show();
        QCOMPARE(int(window.game().sourceList().size()), std::max(phrases, 0));
        QCOMPARE(window.menuItem(0)->isEnabled(), phrases >= 0);
    }

    // Return and keypad Enter submit, and so does a double-click on the background with the
    // left button; other keys, chords and buttons, and a double-click on a label, do not.
    void whatSubmits_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("label"); // where a double-click goes: -1 the background
        QTest::addColumn<int>("misses");
        const int none = Qt::NoModifier;
        const int left = Qt::LeftButton;
        QTest::newRow("Return") << int(Qt::Key_Return) << none << 0 << -1 << 1;
        QTest::newRow("keypad Enter")
            << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 0 << -1 << 1;
        QTest::newRow("Space") << int(Qt::Key_Space) << none << 0 << -1 << 0;
        QTest::newRow("a letter") << int(Qt::Key_A) << none << 0 << -1 << 0;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << none << 0 << -1 << 0;
        QTest::newRow("Ctrl+Return")
            << int(Qt::Key_Return) << int(Qt::ControlModifier) << 0 << -1 << 0;
        QTest::newRow("Alt+Return") << int(Qt::Key_Return) << int(Qt::AltModifier) << 0 << -1 << 0;
        QTest::newRow("left double-click") << 0 << none << left << -1 << 1;
        QTest::newRow("right double-click") << 0 << none << int(Qt::RightButton) << -1 << 0;
        QTest::newRow("double-click on a tile") << 0 << none << left << 1 << 0;
        QTest::newRow("double-click on the report") << 0 << none << left << 384 << 0;
    }
    void whatSubmits()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, button);
        QFETCH(int, label);
        QFETCH(int, misses);
        GameWindow window(QByteArray("mam\xE1\r\n"));
        window.start();
        const QPoint at = label < 0 ? window.background() : window.inside(label);
        if (key != 0)
            QTest::keyClick(window.form.get(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        else
            QTest::mouseDClick(window.board, Qt::MouseButton(button), {}, at);
        QCOMPARE(window.game().missCount(), misses);
    }

    // A press and a release on one tile click it, once for a double-click too; a press
    // released off the tile does nothing.
    void clicks_data()
    {
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<QString>("board");
        QTest::newRow("click") << u"click"_s << u"máma"_s;
        QTest::newRow("double-click") << u"double"_s << u"máma"_s;
        QTest::newRow("released off the tile") << u"off"_s << u"mama"_s;
        QTest::newRow("right click") << u"right"_s << u"mama"_s;
    }
    void clicks()
    {
        QFETCH(QString, gesture);
        QFETCH(QString, board);
        GameWindow window(QByteArray("mam\xE1\r\n"));
        window.start();
        const QPoint at = window.inside(2);
        if (gesture == u"right"_s) {
            QTest::mouseClick(window.board, Qt::RightButton, {}, at);
        } else if (gesture == u"off"_s) {
            QTest::mousePress(window.board, Qt::LeftButton, {}, at);
            QTest::mouseRelease(window.board, Qt::LeftButton, {}, window.background());
        } else {
            QTest::mouseClick(window.board, Qt::LeftButton, {}, at);
        }
        if (gesture == u"double"_s) {
            // The second press of a double-click, then its release.
            QTest::mouseDClick(window.board, Qt::LeftButton, {}, at);
        }
        QCOMPARE(window.boardText(), board);
    }

    void everyMoveOverATileHovers()
    {
        GameWindow window(QByteArray("mam\xE1\r\n"));
        window.start();
        window.move(window.inside(3));
        QCOMPARE(window.game().hoveredTileIndex(), 3);
        QCOMPARE(window.game().letter(3).points, 46.0);
    }

    void movesOverTheBackgroundKeepTheHover()
    {
        GameWindow window(QByteArray("mam\xE1\r\n"));
        window.start();
        window.move(window.inside(3));
        window.move(window.background());
        QCOMPARE(window.game().letter(3).points, 46.0);
    }

    // While the button is held, moves go to the tile where the press began.
    void dragHoversOnlyThePressedTile()
    {
        GameWindow window(QByteArray("mam\xE1\r\n"));
        window.start();
        QTest::mousePress(window.board, Qt::LeftButton, {}, window.inside(1));
        window.move(window.inside(3), Qt::LeftButton);
        QCOMPARE(window.game().hoveredTileIndex(), 1);
    }

    // The enlarged tile lies over its right-hand neighbour, and takes the click there.
    void theHoveredTileIsOnTop()
    {
        GameWindow window(QByteArray("mmmm\r\n"));
        window.start();
        window.move(window.inside(2));
        const QRect hovered = window.board->labelRect(2);
        const QPoint overlap(window.board->labelRect(3).left() + 1, hovered.center().y());
        QVERIFY(hovered.contains(overlap));
        QCOMPARE(window.board->labelAt(overlap), std::optional<int>(2));
    }

    void hiddenTilesTakeNoEvents()
    {
        GameWindow window(QByteArray("mam\xE1\r\n"));
        window.start();
        const QPoint pastTheEnd = window.board->labelRect(4).topRight() + QPoint(12, 5);
        QCOMPARE(window.board->labelAt(pastTheEnd), std::nullopt);
    }

    // The selected tile in cyan, a wrong answer's tiles in pale yellow, the panel in white.
    void paintsTheColours_data()
    {
        QTest::addColumn<bool>("miss");
        QTest::addColumn<QRgb>("colour");
        QTest::newRow("selected") << false << qRgb(0, 192, 192);
        QTest::newRow("wrong answer") << true << qRgb(255, 255, 128);
    }
    void paintsTheColours()
    {
        QFETCH(bool, miss);
        QFETCH(QRgb, colour);
        GameWindow window(QByteArray("mam\xE1\r\n"));
        window.start();
        window.click(2);
        if (miss)
            QTest::keyClick(window.form.get(), Qt::Key_Return);
        QVERIFY(pixelsOf(window.board, window.board->labelRect(2), colour) > 20);
    }

    void paintsThePanelInWhite()
    {
        GameWindow window(QByteArray("uno\r\n"));
        window.show();
        window.menuItem(2)->trigger();
        QVERIFY(pixelsOf(window.board, QRect(0, 0, 300, 100), qRgb(255, 255, 255)) > 50);
    }

    void paintsTheBackground()
    {
        GameWindow window(QByteArray("uno\r\n"), {0.8}); // the sixth of seven colours
        window.show();
        const QRect corner(window.board->width() - 10, window.board->height() - 10, 10, 10);
        QCOMPARE(pixelsOf(window.board, corner, qRgb(128, 64, 64)), 100);
    }

    // Nine lines of credits within the window's designed width, in 24 pt letters.
    void creditsFitTheDesignedWidth()
    {
        GameWindow window(QByteArray("uno\r\n"));
        window.show();
        window.menuItem(2)->trigger();
        const QFontMetrics metrics(window.board->font());
        int widest = 0;
        for (const std::u16string &line : window.game().panelLines())
            widest = std::max(widest, metrics.horizontalAdvance(qtext(line)));
        QVERIFY(widest <= 792);
        QCOMPARE(window.board->font().pointSize(), 24);
    }

    void menuInItsOrder()
    {
        // The application was made from a command line with -reverse and -stylesheet (see main).
        GameWindow window(QByteArray("uno\r\n"));
        window.show();
        const QMenuBar *bar = window.form->menuBar();
        QCOMPARE(window.menuItem(0)->text() + window.menuItem(1)->text()
                     + window.menuItem(2)->text(),
                 QStringLiteral("StartHelpCredits"));
        QVERIFY(bar->actionGeometry(window.menuItem(0)).x()
                < bar->actionGeometry(window.menuItem(1)).x());
        QVERIFY(bar->actionGeometry(window.menuItem(1)).x()
                < bar->actionGeometry(window.menuItem(2)).x());
    }

    void toolkitOptionsDoNotReachTheWindow() { QCOMPARE(qApp->styleSheet(), QString()); }
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
