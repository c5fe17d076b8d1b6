// A long run of random input on the real offscreen window, from a fixed seed: clicks,
// double-clicks and moves of the mouse on shown and hidden tiles, on the score report
// and on the background, key presses of every kind, the three menu items, and window
// resizes. Every mouse and key event goes through the window system, so it reaches
// whatever widget lies under the pointer, as real input does. After each event the
// window's state must obey the rules of the game.

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

const QColor White(255, 255, 255);
const QColor Selected(0, 192, 192);
const QColor WrongAnswer(255, 255, 128);

// The phrases of the run: accents lower and upper case, none at all, a tab, a no-break
// space, a duplicate, one phrase that fills every tile and one that is longer. The two
// long ones keep their accents near the start, on the rows that the window shows: rows
// below its lower edge cannot be clicked.
QStringList soakPhrases()
{
    return {
        QStringLiteral("Él está aquí."),
        QStringLiteral("Sí, señor."),
        QStringLiteral("hola mundo"),
        QStringLiteral("ÁRBOL ÉXITO ÍNDICE ÓPERA ÚLTIMO"),
        QStringLiteral("¿Qué día es hoy?"),
        QStringLiteral("uno\tdós a\u00A0b"),
        QStringLiteral("Sí, señor."),
        QStringLiteral("Mañana sí") + QString(MaxPhraseTiles - 9, u'z'),
        QStringLiteral("Había una canción ") + QString(400 - 18, u'z'),
    };
}

QColor colourOf(BgrColour colour)
{
    const Rgb rgb = rgbOf(colour);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// The text without its acute accents, character by character as the tiles show it.
QString plain(QStringView text)
{
    static QHash<char16_t, QString> stripped;
    QString result;
    for (const QChar c : text) {
        auto found = stripped.constFind(c.unicode());
        if (found == stripped.constEnd())
            found = stripped.insert(c.unicode(), NOTilde(QString(c)));
        result += *found;
    }
    return result;
}

// Every kind of key, with the text it types: Return and keypad Enter (which submit),
// and keys that must not.
struct Key {
    Qt::Key code;
    const char16_t *text;
};
const Key Keys[] = {
    {Qt::Key_Return, u"\r"}, {Qt::Key_Enter, u"\r"}, {Qt::Key_A, u"a"}, {Qt::Key_E, u"E"},
    {Qt::Key_Z, u"z"}, {Qt::Key_0, u"0"}, {Qt::Key_9, u"9"}, {Qt::Key_Space, u" "},
    {Qt::Key_Backspace, u"\b"}, {Qt::Key_Escape, u"\x1b"}, {Qt::Key_Tab, u"\t"},
    {Qt::Key_Backtab, u""}, {Qt::Key_Delete, u"\x7f"}, {Qt::Key_Insert, u""},
    {Qt::Key_Home, u""}, {Qt::Key_End, u""}, {Qt::Key_PageUp, u""}, {Qt::Key_PageDown, u""},
    {Qt::Key_Left, u""}, {Qt::Key_Right, u""}, {Qt::Key_Up, u""}, {Qt::Key_Down, u""},
    {Qt::Key_F1, u""}, {Qt::Key_F10, u""}, {Qt::Key_F12, u""}, {Qt::Key_Shift, u""},
    {Qt::Key_Control, u""}, {Qt::Key_Alt, u""}, {Qt::Key_Meta, u""}, {Qt::Key_Menu, u""},
    {Qt::Key_CapsLock, u""}, {Qt::Key_Period, u"."}, {Qt::Key_Comma, u","},
    {Qt::Key_Question, u"?"}, {Qt::Key_Aacute, u"á"}, {Qt::Key_Eacute, u"É"},
    {Qt::Key_Ntilde, u"ñ"}, {Qt::Key_Dead_Acute, u""}, {Qt::Key_Print, u""},
    {Qt::Key_unknown, u"\u00B4"},
};

const Qt::KeyboardModifiers Modifiers[] = {
    Qt::NoModifier, Qt::NoModifier, Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier,
    Qt::AltModifier, Qt::MetaModifier, Qt::KeypadModifier, Qt::ShiftModifier | Qt::ControlModifier,
};

// What the run went through, so that it is known to have reached every path.
struct Coverage {
    int submissions = 0;
    int hits = 0;
    int misses = 0;
    int promptsOnEmptyQueue = 0;
    int gamesFinished = 0;
    int starts = 0;
    int fullBoards = 0;
    int tileClicks = 0;
    int tileDoubleClicks = 0;
    int hovers = 0;
    int labelDoubleClicks = 0;
    int resizes = 0;
    int keys = 0;
    int menuBarKeyboard = 0;
};

class Soak
{
public:
    Soak(const std::optional<QByteArray> &file, quint64 seed)
        : game(file)
        , engine(seed)
    {
    }

    // Runs the events, checking after each; stops at the first broken rule.
    void run(int events);

    GameWindow game;
    Coverage seen;

private:
    int below(int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(engine)); }
    bool chance(int percent) { return below(100) < percent; }
    Form1 &form() { return *game.form; }
    QWindow *window() { return game.form->windowHandle(); }

    QString head() const { return game.form->playList().value(0); }
    int phraseTiles() const { return int(std::min<qsizetype>(head().size(), MaxPhraseTiles)); }
    QPoint inWindow(QWidget *widget, QPoint local) const { return widget->mapTo(game.form.get(), local); }
    // The part of the window that mouse events can reach.
    QRect windowArea() const
    {
        return QRect(QPoint(0, 0), game.form->windowHandle()->size()).intersected(game.form->rect());
    }
    QPoint randomPoint(QWidget *widget);
    QPoint target(bool preferShownTile);
    QPoint helpfulTarget();
    QWidget *under(QPoint point) const { return game.form->childAt(point); }
    // The captions of the shown tiles from tile 0 up, in one pass over the tiles.
    QString board() const
    {
        QString text;
        for (int i = 0; i < TileCount && !game.tile(i)->isHidden(); ++i)
            text += game.tile(i)->caption();
        return text;
    }
    int tileIndex(const QWidget *widget) const;

    void step();
    void click(QPoint point, Qt::MouseButton button, bool twice);
    void move(QPoint point);
    void key();
    void start();
    void help(bool credits);
    void resize();
    void drawsForStart();

    bool answerIsRight() const;
    void submitted(bool right);
    void verify();
    void pointerAt(QPoint point, int tile);

    std::mt19937_64 engine;
    std::mt19937_64 draws{12345};
    int event = 0;

    // The state the rules foresee.
    bool started = false;
    bool boardShowsHead = false;
    quint64 hits = 0;
    int misses = 0;
    quint64 gameSubmissions = 0;
    QStringList source;
    QStringList queue;
    QString report;
    QColor reportColour;
    bool reportPlaced = false;
    bool prompted = false;
    int clickedTile = -1;
    QString clickedCaption;
    int hoveredTile = -1;
    QPoint lastPoint{-1, -1};
    // What the last event was, for the message of a broken rule.
    QByteArray action;
};

QPoint Soak::randomPoint(QWidget *widget)
{
    const QRect area = windowArea();
    const QRect inside = widget->rect().intersected(
        QRect(widget->mapFrom(game.form.get(), area.topLeft()), area.size()));
    if (inside.isEmpty())
        return inWindow(form().textPanel(), QPoint(5, 5));
    return inWindow(widget, QPoint(inside.left() + below(inside.width()), inside.top() + below(inside.height())));
}

// A point on a shown tile, on a hidden tile (where it last stood), on the score report
// or on the bare background.
QPoint Soak::target(bool preferShownTile)
{
    const int shown = game.shownTiles();
    const int pick = preferShownTile ? 0 : below(100);
    if (pick < 50 && shown > 0)
        return randomPoint(game.tile(below(shown)));
    if (pick < 65)
        return randomPoint(game.tile(below(TileCount)));
    if (pick < 75)
        return randomPoint(form().reportLabel());
    return randomPoint(form().textPanel());
}

// A shown tile whose accent differs from the phrase: clicking it brings the answer
// closer, so that games are won and finished, not only missed.
QPoint Soak::helpfulTarget()
{
    if (!boardShowsHead || head().isEmpty())
        return target(true);
    std::vector<int> wrong;
    for (int i = 1; i <= phraseTiles(); ++i) {
        if (game.tile(i)->caption() != head()[i - 1])
            wrong.push_back(i);
    }
    if (wrong.empty())
        return target(true);
    CaptionLabel *tile = game.tile(wrong[std::size_t(below(int(wrong.size())))]);
    const QPoint centre = inWindow(tile, QPoint(tile->width() / 2, tile->height() / 2));
    return windowArea().contains(centre) ? centre : randomPoint(tile);
}

int Soak::tileIndex(const QWidget *widget) const
{
    for (int i = 0; i < TileCount; ++i) {
        if (game.tile(i) == widget)
            return i;
    }
    return -1;
}

void Soak::run(int events)
{
    game.show();
    source = form().sourceList();
    queue = form().playList();
    verify();
    for (event = 1; event <= events && !QTest::currentTestFailed(); ++event) {
        step();
        if (!QTest::currentTestFailed())
            verify();
    }
}

void Soak::step()
{
    // Out of ten thousand events. Start, Help and Credits are rare enough for games to
    // be played to their end between them.
    const int kind = below(10000);
    if (kind < 1200)
        click(target(false), Qt::LeftButton, false);
    else if (kind < 4200)
        click(helpfulTarget(), Qt::LeftButton, false);
    else if (kind < 5400)
        move(target(false));
    else if (kind < 6000)
        click(target(false), Qt::LeftButton, true);
    else if (kind < 6900)
        click(randomPoint(form().textPanel()), Qt::LeftButton, true);
    else if (kind < 7100)
        click(target(false), chance(50) ? Qt::RightButton : Qt::MiddleButton, chance(50));
    else if (kind < 9900)
        key();
    else if (kind < 9950)
        start();
    else if (kind < 9960)
        help(false);
    else if (kind < 9970)
        help(true);
    else
        resize();
}

void Soak::click(QPoint point, Qt::MouseButton button, bool twice)
{
    QWidget *receiver = under(point);
    const int tile = tileIndex(receiver);
    const QString before = tile >= 0 ? game.tile(tile)->caption() : QString();
    action = QByteArray(twice ? "double-click " : "click ") + QByteArray::number(int(button)) + " at "
        + QByteArray::number(point.x()) + "," + QByteArray::number(point.y()) + " on "
        + (receiver ? receiver->metaObject()->className() : "nothing") + " tile " + QByteArray::number(tile);
    const bool right = answerIsRight();
    if (twice)
        QTest::mouseDClick(window(), button, {}, point);
    else
        QTest::mouseClick(window(), button, {}, point);
    pointerAt(point, tile);

    if (button != Qt::LeftButton)
        return;
    if (tile >= 0) {
        // A double-click on a tile is one click on it.
        ++(twice ? seen.tileDoubleClicks : seen.tileClicks);
        clickedTile = tile;
        clickedCaption = Tilde(before);
    } else if (receiver == form().reportLabel()) {
        seen.labelDoubleClicks += twice;
    } else if (receiver == form().textPanel() && twice) {
        submitted(right);
    }
}

void Soak::move(QPoint point)
{
    QWidget *receiver = under(point);
    QTest::mouseMove(window(), point);
    const int tile = tileIndex(receiver);
    action = "move to tile " + QByteArray::number(tile);
    seen.hovers += tile >= 0;
    pointerAt(point, tile);
}

// The pointer moved to a point: a press at a new place comes with a move there, so
// the tile under it is hovered whether it is then clicked or not.
void Soak::pointerAt(QPoint point, int tile)
{
    if (point != lastPoint && tile >= 0)
        hoveredTile = tile;
    lastPoint = point;
}

void Soak::key()
{
    const Key &pressed = Keys[below(int(std::size(Keys)))];
    const Qt::Key key = pressed.code;
    const Qt::KeyboardModifiers modifiers = Modifiers[below(int(std::size(Modifiers)))];
    ++seen.keys;
    action = "key " + QByteArray::number(int(key), 16) + " with " + QByteArray::number(int(modifiers), 16);
    const bool right = answerIsRight();
    QTest::sendKeyEvent(QTest::Click, window(), key, QString::fromUtf16(pressed.text), modifiers);
    // Return and keypad Enter give the character code 13, also with Shift; with Control,
    // Alt or Meta held they give no such code.
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (enter && !(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        submitted(right);

    // Alt pressed and released alone hands the keyboard to the menu bar, as on every
    // desktop, where Return would then choose the item it marks. The player leaves the
    // menu bar with Escape, and the keys go to the window again.
    QMenuBar *bar = form().menuBar();
    if (bar->hasFocus()) {
        ++seen.menuBarKeyboard;
        QTest::sendKeyEvent(QTest::Click, window(), Qt::Key_Escape, QStringLiteral("\x1b"), Qt::NoModifier);
        QVERIFY2(!bar->hasFocus(), "Escape leaves the menu bar");
    }
}

void Soak::drawsForStart()
{
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    game.random->draws.clear();
    for (qsizetype i = 0; i <= form().sourceList().size(); ++i)
        game.random->draws.push_back(unit(draws));
}

void Soak::start()
{
    drawsForStart();
    action = "Start";
    const bool enabled = form().startAction()->isEnabled();
    if (chance(50)) {
        form().startAction()->trigger();
    } else {
        QMenuBar *bar = form().menuBar();
        const QRect item = bar->actionGeometry(form().startAction());
        QTest::mouseClick(window(), Qt::LeftButton, {}, inWindow(bar, item.center()));
        lastPoint = inWindow(bar, item.center());
    }
    if (!enabled)
        return;
    ++seen.starts;
    started = true;
    boardShowsHead = true;
    hits = 0;
    misses = 0;
    gameSubmissions = 0;
    report.clear();
    prompted = false;
    clickedTile = -1;
    hoveredTile = -1;

    // The queue holds every phrase of the file once per occurrence, in some order.
    QStringList sorted = form().playList();
    QStringList expected = form().sourceList();
    sorted.sort();
    expected.sort();
    QCOMPARE(sorted, expected);
    queue = form().playList();
    if (head().size() >= MaxPhraseTiles)
        ++seen.fullBoards;
}

void Soak::help(bool credits)
{
    QAction *item = credits ? form().creditsAction() : form().helpAction();
    action = credits ? "Credits" : "Help";
    if (chance(50)) {
        item->trigger();
    } else {
        QMenuBar *bar = form().menuBar();
        lastPoint = inWindow(bar, bar->actionGeometry(item).center());
        QTest::mouseClick(window(), Qt::LeftButton, {}, lastPoint);
    }
    boardShowsHead = false;
    report.clear();
    prompted = false;
    clickedTile = -1;
    hoveredTile = -1;
    QCOMPARE(game.panelLines(), credits ? Messages::credits() : Messages::help());
}

void Soak::resize()
{
    ++seen.resizes;
    action = "resize";
    form().resize(300 + below(800), 250 + below(550));
    QCoreApplication::processEvents();
}

// Whether a submission now would be a hit: the answer is the shown tiles, or nothing
// after Help or Credits; a phrase that fills every tile is judged on what the tiles
// can show.
bool Soak::answerIsRight() const
{
    if (queue.isEmpty())
        return false;
    const QString answer = boardShowsHead ? board() : QString();
    const bool full = boardShowsHead && !game.tile(TileCount - 1)->isHidden();
    return answer == (full ? queue.first().left(MaxPhraseTiles) : queue.first());
}

// A submission, judged against the head of the queue when a game is on.
void Soak::submitted(bool right)
{
    ++seen.submissions;
    clickedTile = -1;
    prompted = false;
    if (queue.isEmpty()) {
        prompted = true;
        ++seen.promptsOnEmptyQueue;
    } else {
        ++gameSubmissions;
        if (right) {
            ++hits;
            ++seen.hits;
            queue.removeFirst();
            boardShowsHead = true;
            hoveredTile = -1;
            if (queue.isEmpty())
                ++seen.gamesFinished;
            else if (queue.first().size() >= MaxPhraseTiles)
                ++seen.fullBoards;
        } else {
            misses = std::min(misses + 1, 32767);
            ++seen.misses;
        }
    }
    if (hits + quint64(misses) > 0) {
        report = reportCaption(hits, quint64(misses));
        reportColour = colourOf(::reportColour(scorePercent(hits, hits + quint64(misses))));
        reportPlaced = true;
    }
}

void Soak::verify()
{
    const QByteArray where = "after event " + QByteArray::number(event) + ": " + action;
    const char *at = where.constData();
    // Counters: hits and misses add up to the submissions made during games.
    if (form().hitCount().value_or(0) != hits || form().missCount() != misses)
        qWarning("hits %llu, misses %d; the rules say %llu and %d; board \"%s\", queue head \"%s\"",
                 form().hitCount().value_or(0), int(form().missCount()), hits, misses,
                 qPrintable(board()), qPrintable(head()));
    QVERIFY2(form().hitCount().has_value() == started, at);
    QVERIFY2(form().hitCount().value_or(0) + quint64(form().missCount()) == gameSubmissions, at);
    QVERIFY2(form().hitCount().value_or(0) == hits, at);
    QVERIFY2(form().missCount() == misses, at);

    // The phrases of the file stay as loaded; the queue only shrinks on a hit, by its
    // head; the board shows its head.
    QVERIFY2(form().sourceList() == source, at);
    QVERIFY2(form().playList() == queue, at);
    const int shown = game.shownTiles();
    if (boardShowsHead) {
        const int n = phraseTiles();
        QVERIFY2(shown == n + 1, at);
        QVERIFY2(game.tile(0)->caption().isEmpty(), at);
        QVERIFY2(plain(board()) == plain(QStringView(head()).left(n)), at);
    } else {
        QVERIFY2(shown == 0, at);
    }
    // No tile beyond the phrase is shown, whatever was clicked or hovered.
    int shownBeyond = 0;
    for (int i = shown; i < TileCount; ++i)
        shownBeyond += !game.tile(i)->isHidden();
    QVERIFY2(shownBeyond == 0, at);

    // One background colour for the window, every tile and the report.
    const QColor background = form().backgroundColour();
    QVERIFY2(std::any_of(BackgroundPalette.begin(), BackgroundPalette.end(),
                         [&](BgrColour c) { return colourOf(c) == background; }), at);
    QVERIFY2(form().reportLabel()->backgroundColour() == background, at);
    // Tiles are white, selected or tinted, at the normal or the hover size; at most one
    // is selected and one enlarged.
    int otherBackground = 0;
    int otherText = 0;
    int otherSize = 0;
    int enlarged = 0;
    int selected = 0;
    for (int i = 0; i < TileCount; ++i) {
        const CaptionLabel *tile = game.tile(i);
        otherBackground += tile->backgroundColour() != background;
        const QColor text = tile->textColour();
        otherText += text != White && text != Selected && text != WrongAnswer;
        selected += text == Selected;
        const qreal size = tile->pointSize();
        otherSize += size != NormalTilePoints && size != HoverTilePoints;
        enlarged += size == HoverTilePoints;
    }
    QVERIFY2(otherBackground == 0, at);
    QVERIFY2(otherText == 0 && otherSize == 0, at);
    QVERIFY2(selected <= 1 && enlarged <= 1, at);

    // The tile clicked last shows its accent toggled, in the selection colour; the tile
    // hovered last is the enlarged one.
    if (clickedTile >= 0) {
        QVERIFY2(game.tile(clickedTile)->caption() == clickedCaption, at);
        QVERIFY2(game.tile(clickedTile)->textColour() == Selected, at);
    }
    if (hoveredTile >= 0)
        QVERIFY2(game.tile(hoveredTile)->pointSize() == HoverTilePoints, at);

    // The report gives the counters, in the colour of their band, inside the window.
    QVERIFY2(form().reportLabel()->caption() == report, at);
    if (!report.isEmpty())
        QVERIFY2(form().reportLabel()->textColour() == reportColour, at);
    if (reportPlaced) {
        reportPlaced = false;
        const QWidget *panel = form().textPanel();
        const CaptionLabel *label = form().reportLabel();
        QVERIFY2(label->y() >= 0 && label->y() <= std::max(0, panel->height() - label->height()), at);
    }
    if (prompted)
        QVERIFY2(game.panelLines() == Messages::startPrompt(), at);
}

} // namespace

class TestSoak : public QObject
{
    Q_OBJECT

private slots:
    void randomPlayKeepsTheRules();
    void randomInputAfterAFailedLoadKeepsTheRules();
};

void TestSoak::randomPlayKeepsTheRules()
{
    Soak soak(soakPhrases().join(u"\r\n").toUtf8(), 20240611);
    soak.run(20000);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(soak.game.form->startAction()->isEnabled());
    const Coverage &seen = soak.seen;
    qInfo("%d submissions: %d hits, %d misses, %d prompts; %d starts, %d games finished, "
          "%d full boards; %d tile clicks, %d tile double-clicks, %d hovers, %d resizes, %d keys, "
          "%d times the menu bar took the keyboard",
          seen.submissions, seen.hits, seen.misses, seen.promptsOnEmptyQueue, seen.starts,
          seen.gamesFinished, seen.fullBoards, seen.tileClicks, seen.tileDoubleClicks, seen.hovers,
          seen.resizes, seen.keys, seen.menuBarKeyboard);
    // The run reached every outcome, not only misses.
    QVERIFY(seen.hits >= 200);
    QVERIFY(seen.misses >= 200);
    QVERIFY(seen.gamesFinished >= 5);
    QVERIFY(seen.promptsOnEmptyQueue >= 100);
    QVERIFY(seen.fullBoards >= 20);
    QVERIFY(seen.tileDoubleClicks >= 100);
    QVERIFY(seen.labelDoubleClicks >= 1);
    QVERIFY(seen.resizes >= 50);
    QVERIFY(seen.menuBarKeyboard >= 1);
}

void TestSoak::randomInputAfterAFailedLoadKeepsTheRules()
{
    Soak soak(std::nullopt, 20240612);
    soak.run(3000);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(!soak.game.form->startAction()->isEnabled());
    QVERIFY(soak.game.form->sourceList().isEmpty());
    QCOMPARE(soak.seen.starts, 0);
    QVERIFY(soak.seen.promptsOnEmptyQueue >= 100);
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
