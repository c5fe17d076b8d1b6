// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window: how it starts and loads the phrase file, its settings and fonts, which
// events reach the game and where they go, what it paints, and the toolkit's options.

#include "gamewindow.h"
#include "labelfonts.h"
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

const QByteArray Mama = "mam\xE1\r\n"_ba;

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    // Load seeds the random source and paints before the window is seen; the phrases are
    // read when it is first shown (with no window manager it is never activated).
    void startsUp()
    {
        GameWindow window("uno\r\ndos\r\n"_ba, {0.8});
        QCOMPARE(window.random->seeds, std::vector<float>{45296.25f});
        QCOMPARE(uint(window.game().backgroundColour()), 0x404080u);
        QVERIFY(window.game().sourceList().empty());
        window.show();
        QCOMPARE(window.game().sourceList().size(), 2u);
    }

    void loadsThePhrasesOnce()
    {
        GameWindow window("uno\r\n"_ba);
        window.show();
        QFile::remove(QStringLiteral("Tilde.txt"));
        window.form->hide();
        showMainWindow(*window.form);
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(window.form.get(), &activate);
        QCOMPARE(window.game().panelLines().size(), 6u);
    }

    // Local time, with the fraction of a second: float keeps about 8 ms of it at 86400.
    void timeOfDayIsSecondsSinceMidnight()
    {
        const double before = QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
        const double seconds = secondsSinceMidnight();
        const double after = QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
        QVERIFY(seconds > before - 0.01);
        QVERIFY(seconds < after + 0.01);
    }

    // Maximised over the screen's free area, given first for want of a window manager.
    void showsMaximised()
    {
        GameWindow window("uno\r\n"_ba);
        showMainWindow(*window.form);
        QVERIFY(window.form->isMaximized());
        QCOMPARE(window.form->normalGeometry(), window.form->screen()->availableGeometry());
    }

    // As designed: 792 x 401 pixels below the menu bar, its title, and an icon in two sizes.
    void designedWindow()
    {
        Form1 form(std::make_unique<ScriptedRandom>(), [] { return 0.0f; });
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.findChild<BoardView *>()->size(), QSize(792, 401));
        QCOMPARE(form.windowTitle(), u"Acutrix"_s);
        QVERIFY(form.windowIcon().availableSizes().contains(QSize(32, 32)));
        QVERIFY(form.windowIcon().availableSizes().contains(QSize(16, 16)));
    }

    // The printed lines', the tiles' and the report's faces, sizes and weights.
    void fonts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("family");
        QTest::addColumn<double>("points");
        QTest::addColumn<int>("weight");
        QTest::newRow("printed lines") << u"panel"_s << u"MS Sans Serif"_s << 24.0 << 700;
        QTest::newRow("tiles") << u"tile"_s << u"Arial Rounded MT Bold"_s << 36.0 << 400;
        QTest::newRow("score report") << u"report"_s << u"Verdana"_s << 21.75 << 700;
    }
    void fonts()
    {
        QFETCH(QString, text);
        QFETCH(QString, family);
        QFETCH(double, points);
        QFETCH(int, weight);
        GameWindow window("uno\r\n"_ba);
        const LabelFonts labels;
        const Game &game = window.game();
        QFont font = window.board->font();
        if (text == u"tile")
            font = labels.font(LabelFace::Tile, game.letter(1).points).font;
        else if (text == u"report")
            font = labels.font(LabelFace::Report, game.reportLabel().points).font;
        QCOMPARE(font.family(), family);
        QCOMPARE(font.pointSizeF(), points);
        QCOMPARE(int(font.weight()), weight);
    }

    // Before Start no tile is shown, and the empty report is a small patch in the window's
    // colour at (6360, 4560) twips, 150 wide.
    void beforeStartOnlyTheEmptyReportStands()
    {
        GameWindow window("uno\r\n"_ba, {0.8});
        window.show();
        const Game &game = window.game();
        int shown = 0;
        for (int tile = 0; tile < TileCount; ++tile)
            shown += game.letter(tile).shown;
        QCOMPARE(shown, 0);
        const QRect report = window.board->labelRect(Game::ReportLabelIndex);
        QCOMPARE(report.topLeft(), QPoint(424, 304));
        QCOMPARE(report.width(), 10);
        QCOMPARE(pixelsOf(window.board, report, qRgb(128, 64, 64)), 10 * report.height());
    }

    // The file is read when it is a readable regular file; anything else disables Start.
    void phraseFileReadOrRefused_data()
    {
        QTest::addColumn<QByteArray>("make");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("phrases"); // -1: refused
        QTest::newRow("missing") << "nothing"_ba << QByteArray() << -1;
        QTest::newRow("a folder") << "folder"_ba << QByteArray() << -1;
        QTest::newRow("a dangling link") << "link"_ba
                                         << "nowhere.txt"_ba << -1;
        QTest::newRow("a FIFO") << "fifo"_ba << QByteArray() << -1;
        QTest::newRow("empty") << "file"_ba << QByteArray() << 0;
        QTest::newRow("NUL bytes") << "file"_ba << QByteArray(4096, '\0') << 1;
        QTest::newRow("another case") << "TILDE.TXT"_ba
                                      << "uno"_ba << 1;
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

    // Each menu item runs its own operation: Start lays out a phrase, Help prints the
    // instructions, Credits the credits.
    void menuItemsRunTheirOperations_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("board");
        QTest::addColumn<int>("lines");
        QTest::newRow("Start") << u"Start"_s << u"uno"_s << 0;
        QTest::newRow("Help") << u"Help"_s << QString() << 13;
        QTest::newRow("Credits") << u"Credits"_s << QString() << 9;
    }
    void menuItemsRunTheirOperations()
    {
        QFETCH(QString, item);
        QFETCH(QString, board);
        QFETCH(int, lines);
        GameWindow window("uno\r\n"_ba);
        window.show();
        window.play(item);
        QCOMPARE(window.boardText(), board);
        QCOMPARE(int(window.game().panelLines().size()), lines);
    }

    void menuInItsOrder()
    {
        // The application was made from a command line with -reverse and -stylesheet (see main).
        GameWindow window("uno\r\n"_ba);
        window.show();
        const QMenuBar *bar = window.form->menuBar();
        QCOMPARE(window.menuItem(0)->text() + window.menuItem(1)->text()
                     + window.menuItem(2)->text(),
                 u"StartHelpCredits"_s);
        QVERIFY(bar->actionGeometry(window.menuItem(0)).x()
                < bar->actionGeometry(window.menuItem(1)).x());
        QVERIFY(bar->actionGeometry(window.menuItem(1)).x()
                < bar->actionGeometry(window.menuItem(2)).x());
    }

    // Return and keypad Enter submit, whatever was clicked before, and so does a left
    // double-click on the background or where a hidden tile lies. Other keys, chords and
    // buttons, a single click, and a double-click on a shown label do not; keys never
    // edit the tiles.
    void whatSubmits_data()
    {
        QTest::addColumn<QStringList>("gestures");
        QTest::addColumn<int>("misses");
        QTest::newRow("Return") << QStringList{u"Return"_s} << 1;
        QTest::newRow("keypad Enter") << QStringList{u"Num+Enter"_s} << 1;
        QTest::newRow("Return after a click on a tile")
            << QStringList{u"click 1"_s, u"Return"_s} << 1;
        QTest::newRow("Space") << QStringList{u"Space"_s} << 0;
        QTest::newRow("a letter") << QStringList{u"A"_s} << 0;
        QTest::newRow("a digit") << QStringList{u"1"_s} << 0;
        QTest::newRow("Backspace") << QStringList{u"Backspace"_s} << 0;
        QTest::newRow("Escape") << QStringList{u"Esc"_s} << 0;
        QTest::newRow("Ctrl+Return") << QStringList{u"Ctrl+Return"_s} << 0;
        QTest::newRow("Alt+Return") << QStringList{u"Alt+Return"_s} << 0;
        QTest::newRow("left double-click") << QStringList{u"double-click background"_s} << 1;
        QTest::newRow("where a hidden tile lies") << QStringList{u"double-click 6"_s} << 1;
        QTest::newRow("right double-click") << QStringList{u"right-double-click background"_s} << 0;
        QTest::newRow("single click") << QStringList{u"click background"_s} << 0;
        QTest::newRow("double-click on a tile") << QStringList{u"double-click 1"_s} << 0;
        QTest::newRow("on the report") << QStringList{u"double-click 384"_s} << 0;
    }
    void whatSubmits()
    {
        QFETCH(QStringList, gestures);
        QFETCH(int, misses);
        GameWindow window(Mama);
        window.show();
        // A longer phrase first, so that tile 6 has a place when it is hidden.
        window.form->game().ShowPhrase(u"mamamama");
        window.play(u"Start"_s);
        window.play(gestures);
        QCOMPARE(window.game().missCount(), misses);
        QCOMPARE(window.boardText(), u"mama"_s);
    }

    // A press and a release on one tile click it, once for a double-click too; a press
    // released off the tile does nothing, nor does the right button.
    void clicks_data()
    {
        QTest::addColumn<QStringList>("gestures");
        QTest::addColumn<QString>("board");
        QTest::newRow("click") << QStringList{u"click 2"_s} << u"máma"_s;
        QTest::newRow("double-click")
            << QStringList{u"click 2"_s, u"double-click 2"_s} << u"máma"_s;
        QTest::newRow("released off the tile")
            << QStringList{u"press 2"_s, u"release background"_s} << u"mama"_s;
        QTest::newRow("right click") << QStringList{u"right-click 2"_s} << u"mama"_s;
    }
    void clicks()
    {
        QFETCH(QStringList, gestures);
        QFETCH(QString, board);
        GameWindow window(Mama);
        window.start();
        window.play(gestures);
        QCOMPARE(window.boardText(), board);
    }

    // Every move over a tile enlarges it, on a new board too; moves over the background
    // leave the last one enlarged; while a button is held, moves go to the pressed tile.
    void hover_data()
    {
        QTest::addColumn<QStringList>("gestures");
        QTest::addColumn<int>("tile");
        QTest::addColumn<double>("points");
        QTest::newRow("a move over a tile") << QStringList{u"move 3"_s} << 3 << 46.0;
        QTest::newRow("then over the background")
            << QStringList{u"move 3"_s, u"move background"_s} << 3 << 46.0;
        QTest::newRow("the same tile on a new board")
            << QStringList{u"move 3"_s, u"Start"_s, u"move 3"_s} << 3 << 46.0;
        QTest::newRow("pressed, then dragged off")
            << QStringList{u"press 1"_s, u"drag 3"_s} << 1 << 46.0;
    }
    void hover()
    {
        QFETCH(QStringList, gestures);
        QFETCH(int, tile);
        QFETCH(double, points);
        GameWindow window(Mama);
        window.start();
        window.play(gestures);
        QCOMPARE(window.game().letter(tile).points, points);
    }

    // The enlarged tile lies over its right-hand neighbour, and takes the click there.
    void theHoveredTileIsOnTop()
    {
        GameWindow window("mmmm\r\n"_ba);
        window.start();
        window.play(u"move 2"_s);
        const QRect hovered = window.board->labelRect(2);
        const QPoint overlap(window.board->labelRect(3).left() + 1, hovered.center().y());
        QVERIFY(hovered.contains(overlap));
        QCOMPARE(window.board->labelAt(overlap), std::optional<int>(2));
    }

    // The report stands low in the window, at 85/100 of its outer height plus its top on
    // the screen, centred on its outer width.
    void reportStandsLowAndCentred()
    {
        GameWindow window(Mama);
        window.start();
        window.play(u"Return"_s);
        const QRect report = window.board->labelRect(Game::ReportLabelIndex);
        const QRect outer = window.form->frameGeometry();
        QCOMPARE(report.top(), qRound((outer.height() + outer.top()) * 0.85));
        QVERIFY(qAbs(report.left() + report.width() / 2 - outer.width() / 2) <= 1);
    }

    // Nothing is laid out again when the window changes its size.
    void resizingMovesNoLabel()
    {
        GameWindow window(QByteArray(60, 'm'));
        window.start();
        window.play(u"Return"_s);
        const QRect tile = window.board->labelRect(60);
        const QRect report = window.board->labelRect(Game::ReportLabelIndex);
        window.form->resize(500, 300);
        QCOMPARE(window.board->labelRect(60), tile);
        QCOMPARE(window.board->labelRect(Game::ReportLabelIndex), report);
    }

    // The selected tile in cyan, a wrong answer's tiles in pale yellow, each on the
    // window's colour, which fills the window.
    void paintsTheColours_data()
    {
        QTest::addColumn<QStringList>("gestures");
        QTest::addColumn<int>("label"); // -1: the board's bottom-right corner
        QTest::addColumn<QRgb>("colour");
        QTest::addColumn<int>("pixels"); // at least
        const QRgb window = qRgb(128, 64, 64);
        QTest::newRow("selected") << QStringList{u"click 2"_s} << 2 << qRgb(0, 192, 192) << 20;
        QTest::newRow("wrong answer")
            << QStringList{u"click 2"_s, u"Return"_s} << 2 << qRgb(255, 255, 128) << 20;
        QTest::newRow("a tile's background") << QStringList() << 2 << window << 20;
        QTest::newRow("the window") << QStringList() << -1 << window << 100;
    }
    void paintsTheColours()
    {
        QFETCH(QStringList, gestures);
        QFETCH(int, label);
        QFETCH(QRgb, colour);
        QFETCH(int, pixels);
        GameWindow window(Mama, {0.8, 0.8}); // the sixth of seven colours, at Load and Start
        window.start();
        window.play(gestures);
        const QRect corner(window.board->width() - 10, window.board->height() - 10, 10, 10);
        const QRect area = label < 0 ? corner : window.board->labelRect(label);
        QVERIFY(pixelsOf(window.board, area, colour) >= pixels);
    }

    // Help prints in white from the top-left corner, one line of the font after another,
    // the first line empty; a line wider than the window is cut, not wrapped.
    void printsLineByLine_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("columns"); // of the line looked at, from the left edge
        QTest::addColumn<bool>("ink");
        QTest::newRow("the empty first line") << 1000 << 0 << 1000 << false;
        QTest::newRow("the first line of text") << 1000 << 1 << 1000 << true;
        QTest::newRow("its margin: one space") << 1000 << 1 << 5 << false;
        QTest::newRow("its first letter") << 1000 << 1 << 20 << true;
        QTest::newRow("the last line") << 1000 << 12 << 1000 << true;
        QTest::newRow("below the last line") << 1000 << 13 << 1000 << false;
        QTest::newRow("an empty line in a narrow window") << 150 << 11 << 150 << false;
    }
    void printsLineByLine()
    {
        QFETCH(int, width);
        QFETCH(int, line);
        QFETCH(int, columns);
        QFETCH(bool, ink);
        GameWindow window("uno\r\n"_ba);
        window.form->resize(width, 700);
        window.show();
        window.play(u"Help"_s);
        QRect area = window.board->lineRect(std::size_t(line));
        area.setWidth(columns);
        QCOMPARE(pixelsOf(window.board, area, qRgb(255, 255, 255)) > 0, ink);
    }

    // The credits, which are our own wording, fit the window's designed width.
    void creditsFitTheDesignedWidth()
    {
        GameWindow window("uno\r\n"_ba);
        window.show();
        window.play(u"Credits"_s);
        const QFontMetrics metrics(window.board->font());
        int widest = 0;
        for (const std::u16string &line : window.game().panelLines())
            widest = std::max(widest, metrics.horizontalAdvance(qtext(line)));
        QVERIFY(widest <= 792);
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
