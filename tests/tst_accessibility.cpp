// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The board as assistive technology finds it: its tiles, printed lines and score report,
// its actions, and the events that announce what changed.

#include "gamewindow.h"
#include "tileaccessible.h"

#include <QAccessible>
#include <QAccessibleActionInterface>

using namespace Qt::StringLiterals;

namespace {

// An event as assistive technology would have received it.
struct Announcement {
    QAccessible::Event type;
    QAccessible::Role role;
    QString name;
};

std::vector<Announcement> announcements;

void record(QAccessibleEvent *event)
{
    QAccessibleInterface *iface = event->accessibleInterface();
    if (iface)
        announcements.push_back({event->type(), iface->role(), iface->text(QAccessible::Name)});
}

const QByteArray Phrase = "\xc3\x89l est\xc3\xa1 aqu\xc3\xad.\r\n"_ba;

QAccessibleInterface *boardOf(const GameWindow &window)
{
    return QAccessible::queryAccessibleInterface(window.board);
}

std::vector<QAccessibleInterface *> childrenOf(const GameWindow &window, QAccessible::Role role)
{
    std::vector<QAccessibleInterface *> found;
    QAccessibleInterface *board = boardOf(window);
    for (int index = 0; index < board->childCount(); ++index) {
        if (board->child(index)->role() == role)
            found.push_back(board->child(index));
    }
    return found;
}

QAccessibleInterface *tile(const GameWindow &window, int position)
{
    return childrenOf(window, QAccessible::Button).at(std::size_t(position));
}

void act(QAccessibleInterface *iface, const QString &action)
{
    iface->actionInterface()->doAction(action);
}

// Plays one step as assistive technology would: Start or Help from the menu, the board's
// submit action, or the press action of the tile at a position.
void run(GameWindow &window, const QString &step)
{
    if (step == u"submit")
        act(boardOf(window), step);
    else if (step == u"Start" || step == u"Help")
        window.play(step);
    else
        act(tile(window, step.toInt()), QAccessibleActionInterface::pressAction());
}

// What the board reads: "board", its own name; else for each child of the kind ("tiles",
// "lines", "report"), its name, or ("selected", "wrong") whether it reads so, each
// followed by "|".
QString reading(const GameWindow &window, const QString &what)
{
    if (what == u"board")
        return boardOf(window)->text(QAccessible::Name);
    const bool tiles = what == u"tiles" || what == u"selected" || what == u"wrong";
    const QAccessible::Role role = tiles ? QAccessible::Button
        : what == u"lines"               ? QAccessible::StaticText
                                         : QAccessible::StatusBar;
    QString read;
    for (QAccessibleInterface *child : childrenOf(window, role)) {
        if (what == u"selected")
            read += child->state().selected ? u's' : u'-';
        else if (what == u"wrong")
            read += child->text(QAccessible::Description) == u"wrong answer" ? u'w' : u'-';
        else
            read += child->text(QAccessible::Name);
        read += u'|';
    }
    return read;
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QAccessible::installUpdateHandler(record); }

    // Every shown tile is a button named by its caption, and pressing it is its click;
    // the board reads the phrase as it stands; a miss describes the tiles as a wrong
    // answer until they are pressed; the report reads as a status line; the printed lines
    // read from the top down.
    void reads_data()
    {
        QTest::addColumn<QByteArray>("phrase");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("read");
        const auto row = [](const char *name, const QByteArray &phrase, const QString &steps,
                            const QString &what, const QString &read) {
            QTest::newRow(name) << phrase << steps.split(u',', Qt::SkipEmptyParts) << what << read;
        };
        const QString tiles = u"tiles"_s;
        row("accents taken away", Phrase, u"Start"_s, tiles,
            u"|E|l|space|e|s|t|a|space|a|q|u|i|.|"_s);
        row("spaces inside", "a  b"_ba, u"Start"_s, tiles, u"|a|space|b|"_s);
        row("a tab kept", "a\tb"_ba, u"Start"_s, tiles, u"|a|\t|b|"_s);
        row("hidden tiles left out", Phrase, u"Start,Help"_s, tiles, QString());
        row("pressed once", "ma"_ba, u"Start,2"_s, tiles, u"|m|á|"_s);
        row("the tile pressed last selected", "ma"_ba, u"Start,2,1"_s, u"selected"_s, u"-|s|-|"_s);
        row("the board as it stands", Phrase, u"Start,7,1"_s, u"board"_s, u"Él está aqui."_s);
        row("a miss: nothing selected", "ma"_ba, u"Start,2,submit"_s, u"selected"_s, u"-|-|-|"_s);
        row("a miss: every tile wrong", "ma"_ba, u"Start,2,submit"_s, u"wrong"_s, u"w|w|w|"_s);
        row("a miss, then a press", "ma"_ba, u"Start,2,submit,1"_s, u"wrong"_s, u"w|-|-|"_s);
        row("the report after a miss", Phrase, u"Start,2,submit"_s, u"report"_s,
            u" Score :  0% Shots :  1 Hits   :  0|"_s);
        row("the report after a hit", Phrase, u"Start,1,7,12,submit"_s, u"report"_s,
            u" Score :  100% Shots :  1 Hits   :  1|"_s);
        row("the load report", Phrase, QString(), u"lines"_s,
            u"| Tilde.TXT Loaded.| File contains :  1 phrases.|| Click START to begin the"
            " test.| Click HELP to read the instructions.|"_s);
    }
    void reads()
    {
        QFETCH(QByteArray, phrase);
        QFETCH(QStringList, steps);
        QFETCH(QString, what);
        QFETCH(QString, read);
        GameWindow window(phrase);
        window.show();
        for (const QString &step : steps)
            run(window, step);
        QCOMPARE(reading(window, what), read);
    }

    // There is nothing past the board's last child, nor before its first.
    void noChildOutsideTheBoard()
    {
        GameWindow window(Phrase);
        window.start();
        QAccessibleInterface *board = boardOf(window);
        QVERIFY(!board->child(board->childCount()));
        QVERIFY(!board->child(-1));
    }

    // An interface that an assistive technology kept from a board that has changed since
    // stands for no tile: pressing it clicks nothing.
    void staleTileClicksNothing_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("after a hit, the same phrase again")
            << QStringList{u"1"_s, u"12"_s, u"submit"_s};
        QTest::newRow("after Help") << QStringList{u"Help"_s};
    }
    void staleTileClicksNothing()
    {
        QFETCH(QStringList, steps);
        GameWindow window(Phrase + Phrase);
        window.start();
        run(window, u"7"_s);
        auto *kept = new TileAccessible(window.board, 7);
        const QAccessible::Id keptId = QAccessible::registerAccessibleInterface(kept);
        for (const QString &step : steps)
            run(window, step);
        const int selected = window.game().selectedTileIndex();
        const std::u16string caption = window.game().letter(7).caption;
        act(kept, QAccessibleActionInterface::pressAction());
        QVERIFY(!kept->isValid());
        QCOMPARE(window.game().selectedTileIndex(), selected);
        QVERIFY(window.game().letter(7).caption == caption);
        QAccessible::deleteAccessibleInterface(keptId);
    }

    // Each change on the board is announced to assistive technology.
    void changesAreAnnounced_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QAccessible::Event>("type");
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<QString>("name");
        const QStringList started{u"Start"_s};
        const QStringList press{u"7"_s};
        QTest::newRow("a press renames the tile")
            << started << press << QAccessible::NameChanged << QAccessible::Button << u"á"_s;
        QTest::newRow("a press selects the tile")
            << started << press << QAccessible::StateChanged << QAccessible::Button << u"á"_s;
        QTest::newRow("a press renames the board") << started << press << QAccessible::NameChanged
                                                   << QAccessible::Pane << u"El está aqui."_s;
        const QStringList submit{u"submit"_s};
        QTest::newRow("a miss describes the tiles")
            << started << submit << QAccessible::DescriptionChanged << QAccessible::Button
            << u"E"_s;
        QTest::newRow("a miss renames the report")
            << started << submit << QAccessible::NameChanged << QAccessible::StatusBar
            << u" Score :  0% Shots :  1 Hits   :  0"_s;
        QTest::newRow("a hit lays out the next phrase")
            << QStringList{u"Start"_s, u"1"_s, u"7"_s, u"12"_s} << submit
            << QAccessible::ObjectReorder << QAccessible::Pane << u"El esta aqui."_s;
        QTest::newRow("Start lays out a phrase")
            << QStringList() << started << QAccessible::NameChanged << QAccessible::Pane
            << u"El esta aqui."_s;
        QTest::newRow("Help prints over the load report")
            << QStringList() << QStringList{u"Help"_s} << QAccessible::NameChanged
            << QAccessible::StaticText << u" Acutrix automatically searches and loads "_s;
    }
    void changesAreAnnounced()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, steps);
        QFETCH(QAccessible::Event, type);
        QFETCH(QAccessible::Role, role);
        QFETCH(QString, name);
        if (!QAccessible::isActive())
            QSKIP("Qt sends these events only on a platform with assistive technology in use");
        GameWindow window(Phrase + Phrase);
        window.show();
        for (const QString &step : before)
            run(window, step);
        announcements.clear();
        for (const QString &step : steps)
            run(window, step);
        const bool announced =
            std::any_of(announcements.begin(), announcements.end(), [&](const Announcement &seen) {
                return seen.type == type && seen.role == role && seen.name == name;
            });
        QVERIFY(announced);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
