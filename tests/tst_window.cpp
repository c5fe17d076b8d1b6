// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window: how it starts and loads the phrase file, its settings and fonts, which
// events reach the game and where they go, what it paints, and the toolkit's options.

#include "gamewindow.h"
#include "labelfonts.h"
#include "startup.h"

#include <QScreen>

using namespace Qt::StringLiterals;

namespace {

const QByteArray Mama = "mam\xE1\r\n"_ba;

// What the window shows after a game of "mamá": "misses", "board" (the tiles' captions),
// "tiles" (how many are shown), "lines" (how many are printed), "report" (its left and top
// edges and width in pixels), "menu" (the items from left to right), "points N" (the size
// of tile N), or "font panel", "font tile" and "font report" (face, points and weight).
QString shown(const GameWindow &window, const QString &what)
{
    const Game &game = window.game();
    const QRect report = window.board->labelRect(Game::ReportLabelIndex);
    const LabelFonts fonts;
    QFont font = window.board->font();
    if (what == u"font tile")
        font = fonts.font(LabelFace::Tile, game.letter(1).points).font;
    else if (what == u"font report")
        font = fonts.font(LabelFace::Report, game.reportLabel().points).font;
    if (what.startsWith(u"font"))
        return u"%1 %2 %3"_s.arg(font.family()).arg(font.pointSizeF()).arg(font.weight());
    if (what == u"report")
        return u"%1 %2 %3"_s.arg(report.left()).arg(report.top()).arg(report.width());
    if (what == u"tiles") {
        int tiles = 0;
        for (int tile = 0; tile < TileCount; ++tile)
            tiles += game.letter(tile).shown;
        return QString::number(tiles);
    }
    if (what == u"misses")
        return QString::number(game.missCount());
    if (what == u"board")
        return boardText(game);
    if (what == u"lines")
        return QString::number(game.panelLines().size());
    if (what.startsWith(u"points"))
        return QString::number(game.letter(what.section(u' ', 1).toInt()).points);
    QList<QAction *> items = window.form->menuBar()->actions();
    const QMenuBar *bar = window.form->menuBar();
    std::ranges::sort(items, {}, [bar](QAction *item) { return bar->actionGeometry(item).x(); });
    QStringList texts;
    for (const QAction *item : items)
        texts << item->text();
    return texts.join(u' ');
}

// How much of an area of the board is painted in a colour: "none", "some" or "all". The
// area is "tile N", "report", "corner" (10 x 10 pixels at the bottom right), or "line N",
// the whole width of printed line N or its first C pixels with "line N C".
QString painted(const GameWindow &window, const QString &area, QRgb colour)
{
    BoardView *board = window.board;
    const int number = area.section(u' ', 1, 1).toInt();
    QRect rect(board->width() - 10, board->height() - 10, 10, 10);
    if (area.startsWith(u"tile"))
        rect = board->labelRect(number);
    else if (area == u"report")
        rect = board->labelRect(Game::ReportLabelIndex);
    else if (area.startsWith(u"line"))
        rect = board->lineRect(std::size_t(number));
    if (area.startsWith(u"line") && !area.section(u' ', 2).isEmpty())
        rect.setWidth(area.section(u' ', 2).toInt());
    const QImage shot = board->grab(rect).toImage().convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < shot.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(shot.constScanLine(y));
        count += int(std::count(line, line + shot.width(), colour | 0xFF000000));
    }
    return count == 0 ? u"none"_s : count == rect.width() * rect.height() ? u"all"_s : u"some"_s;
}

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
        const QStringList seededAndDrawn = {u"seed 45296.25"_s, u"draw"_s};
        QCOMPARE(window.random->events, seededAndDrawn);
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

    // Which events reach the game, and what they do. Return and keypad Enter submit,
    // whatever was clicked before, and so does a left double-click on the background or
    // where a hidden tile lies; other keys, chords and buttons, a single click, and a
    // double-click on a shown label do not. A press and a release on one tile click it,
    // once for a double-click too. Every move over a tile enlarges it, on a new board too;
    // moves over the background leave it enlarged; while a button is held, moves go to
    // the pressed tile. Each menu item runs its own operation. Before Start, no tile is
    // shown and the empty report stands where it was designed.
    void plays_data()
    {
        QTest::addColumn<QStringList>("gestures");
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("shows");
        const auto row = [](const char *name, const QString &gestures, const QString &what,
                            const QString &shows) {
            QTest::newRow(name) << gestures.split(u',', Qt::SkipEmptyParts) << what << shows;
        };
        row("no tile before Start", QString(), u"tiles"_s, u"0"_s);
        row("the empty report at (6360, 4560) twips, 150 wide", QString(), u"report"_s,
            u"424 304 10"_s);
        row("the printed lines' font", QString(), u"font panel"_s, u"MS Sans Serif 24 700"_s);
        row("the tiles' font", QString(), u"font tile"_s, u"Arial Rounded MT Bold 36 400"_s);
        row("the report's font", QString(), u"font report"_s, u"Verdana 21.75 700"_s);
        row("Return", u"Start,Return"_s, u"misses"_s, u"1"_s);
        row("keypad Enter", u"Start,Num+Enter"_s, u"misses"_s, u"1"_s);
        row("Return after a click on a tile", u"Start,click 1,Return"_s, u"misses"_s, u"1"_s);
        row("Space", u"Start,Space"_s, u"misses"_s, u"0"_s);
        row("a letter", u"Start,A"_s, u"misses"_s, u"0"_s);
        row("Escape", u"Start,Esc"_s, u"misses"_s, u"0"_s);
        row("Ctrl+Return", u"Start,Ctrl+Return"_s, u"misses"_s, u"0"_s);
        row("Alt+Return", u"Start,Alt+Return"_s, u"misses"_s, u"0"_s);
        row("typing leaves the tiles", u"Start,A,1,Space,Backspace"_s, u"board"_s, u"mama"_s);
        row("left double-click", u"Start,double-click background"_s, u"misses"_s, u"1"_s);
        row("where a hidden tile lies", u"show mamamama,Start,double-click 6"_s, u"misses"_s,
            u"1"_s);
        row("right double-click", u"Start,right-double-click background"_s, u"misses"_s, u"0"_s);
        row("single click", u"Start,click background"_s, u"misses"_s, u"0"_s);
        row("double-click on a tile", u"Start,double-click 1"_s, u"misses"_s, u"0"_s);
        row("double-click on the report", u"Start,double-click 384"_s, u"misses"_s, u"0"_s);
        row("a click", u"Start,click 2"_s, u"board"_s, u"máma"_s);
        row("a double-click", u"Start,click 2,double-click 2"_s, u"board"_s, u"máma"_s);
        row("released off the tile", u"Start,press 2,release background"_s, u"board"_s, u"mama"_s);
        row("right click", u"Start,right-click 2"_s, u"board"_s, u"mama"_s);
        row("a move over a tile", u"Start,move 3"_s, u"points 3"_s, u"46"_s);
        row("then over the background", u"Start,move 3,move background"_s, u"points 3"_s, u"46"_s);
        row("the same tile on a new board", u"Start,move 3,Start,move 3"_s, u"points 3"_s, u"46"_s);
        row("pressed, then dragged off", u"Start,press 1,drag 3"_s, u"points 1"_s, u"46"_s);
        row("Start", u"Start"_s, u"lines"_s, u"0"_s);
        row("Help", u"Help"_s, u"lines"_s, u"13"_s);
        row("Credits", u"Credits"_s, u"lines"_s, u"9"_s);
        // The application was made from a command line with -reverse (see main).
        row("the menu from left to right", u"Help"_s, u"menu"_s, u"Start Help Credits"_s);
    }
    void plays()
    {
        QFETCH(QStringList, gestures);
        QFETCH(QString, what);
        QFETCH(QString, shows);
        GameWindow window(Mama);
        window.show();
        window.play(gestures);
        QCOMPARE(shown(window, what), shows);
    }

    // A phrase file that cannot be read leaves Start disabled (tst_phraseFile tells which
    // files are read).
    void startDisabledWithoutAPhraseFile()
    {
        GameWindow window(std::nullopt);
        window.show();
        QVERIFY(!window.menuItem(0)->isEnabled());
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
        GameWindow window(QByteArray(59, 'm') + "\xE1");
        window.start();
        window.play(u"Return"_s);
        const QRect tile = window.board->labelRect(60);
        const QRect report = window.board->labelRect(Game::ReportLabelIndex);
        window.form->resize(500, 300);
        QVERIFY(QTest::qWaitFor([&window] { return window.board->width() < 1000; }));
        QCOMPARE(window.board->labelRect(60), tile);
        QCOMPARE(window.board->labelRect(Game::ReportLabelIndex), report);
    }

    // The colours, in the sixth of seven window colours drawn at Load and at Start: the
    // selected tile in cyan, a wrong answer in pale yellow, each tile and the empty report
    // on the window's colour, which fills the window. Help prints in white, from the
    // top-left corner after one space, one line of the font after another, the first line
    // empty; a line wider than the window is cut, not wrapped.
    void paints_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QStringList>("gestures");
        QTest::addColumn<QString>("area");
        QTest::addColumn<QRgb>("colour");
        QTest::addColumn<QString>("amount");
        const QRgb window = qRgb(128, 64, 64);
        const QRgb white = qRgb(255, 255, 255);
        const auto row = [](const char *name, int width, const QString &gestures,
                            const QString &area, QRgb colour, const QString &amount) {
            QTest::newRow(name) << width << gestures.split(u',') << area << colour << amount;
        };
        row("selected", 1000, u"Start,click 2"_s, u"tile 2"_s, qRgb(0, 192, 192), u"some"_s);
        row("wrong answer", 1000, u"Start,click 2,Return"_s, u"tile 2"_s, qRgb(255, 255, 128),
            u"some"_s);
        row("a tile's background", 1000, u"Start"_s, u"tile 2"_s, window, u"some"_s);
        row("the empty report", 1000, u"Start"_s, u"report"_s, window, u"all"_s);
        row("the window", 1000, u"Start"_s, u"corner"_s, window, u"all"_s);
        row("the empty first line", 1000, u"Help"_s, u"line 0"_s, white, u"none"_s);
        row("the first line of text", 1000, u"Help"_s, u"line 1"_s, white, u"some"_s);
        row("its margin: one space", 1000, u"Help"_s, u"line 1 5"_s, white, u"none"_s);
        row("its first letter", 1000, u"Help"_s, u"line 1 20"_s, white, u"some"_s);
        row("the last line", 1000, u"Help"_s, u"line 12"_s, white, u"some"_s);
        row("below the last line", 1000, u"Help"_s, u"line 13"_s, white, u"none"_s);
        row("an empty line in a narrow window", 150, u"Help"_s, u"line 11"_s, white, u"none"_s);
    }
    void paints()
    {
        QFETCH(int, width);
        QFETCH(QStringList, gestures);
        QFETCH(QString, area);
        QFETCH(QRgb, colour);
        QFETCH(QString, amount);
        GameWindow window(Mama, {0.8, 0.8});
        window.form->resize(width, 700);
        window.show();
        window.play(gestures);
        QCOMPARE(painted(window, area, colour), amount);
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
