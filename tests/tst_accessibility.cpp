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

// The names of the board's children of a role, each followed by "|".
QString namesOf(const GameWindow &window, QAccessible::Role role)
{
    QString names;
    for (QAccessibleInterface *child : childrenOf(window, role))
        names += child->text(QAccessible::Name) + u'|';
    return names;
}

QAccessibleInterface *tile(const GameWindow &window, int position)
{
    return childrenOf(window, QAccessible::Button).at(std::size_t(position));
}

void act(QAccessibleInterface *iface, const QString &action)
{
    iface->actionInterface()->doAction(action);
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QAccessible::installUpdateHandler(record);
    }

    // Every shown tile is a button named by its caption; hidden tiles are left out.
    void tilesReadAsTheirCaptions_data()
    {
        QTest::addColumn<QByteArray>("phrase");
        QTest::addColumn<QString>("names");
        QTest::newRow("accents taken away") << Phrase << u"|E|l|space|e|s|t|a|space|a|q|u|i|.|"_s;
        QTest::newRow("one letter") << "y"_ba << u"|y|"_s;
        QTest::newRow("spaces inside") << "a  b"_ba << u"|a|space|b|"_s;
        QTest::newRow("a tab kept") << "a\tb"_ba << u"|a|\t|b|"_s;
    }
    void tilesReadAsTheirCaptions()
    {
        QFETCH(QByteArray, phrase);
        QFETCH(QString, names);
        GameWindow window(phrase);
        window.start();
        QCOMPARE(namesOf(window, QAccessible::Button), names);
    }

    // Hidden tiles are not children, and there is nothing past the last child.
    void hiddenTilesAreLeftOut()
    {
        GameWindow window(Phrase);
        window.start();
        window.menuItem(1)->trigger();
        QAccessibleInterface *board = boardOf(window);
        QCOMPARE(namesOf(window, QAccessible::Button), QString());
        QVERIFY(!board->child(board->childCount()));
        QVERIFY(!board->child(-1));
    }

    // The board reads the phrase as it stands, with the player's accents.
    void boardReadsThePhraseAsItStands()
    {
        GameWindow window(Phrase);
        window.start();
        window.click(7);
        window.click(1);
        QCOMPARE(boardOf(window)->text(QAccessible::Name), u"Él está aqui."_s);
    }

    // Pressing a tile is its click: the accent toggles and the tile reads as selected,
    // the tile pressed before no longer.
    void pressIsTheClick_data()
    {
        QTest::addColumn<QList<int>>("presses");
        QTest::addColumn<QString>("caption");
        QTest::newRow("once") << QList<int>{7} << u"á"_s;
        QTest::newRow("twice") << QList<int>{7, 7} << u"a"_s;
        QTest::newRow("a consonant after a vowel") << QList<int>{7, 5} << u"s"_s;
        QTest::newRow("a space after a vowel") << QList<int>{7, 3} << u"space"_s;
    }
    void pressIsTheClick()
    {
        QFETCH(QList<int>, presses);
        QFETCH(QString, caption);
        GameWindow window(Phrase);
        window.start();
        for (const int position : presses)
            act(tile(window, position), QAccessibleActionInterface::pressAction());
        QAccessibleInterface *pressed = tile(window, presses.last());
        QCOMPARE(pressed->text(QAccessible::Name), caption);
        QVERIFY(pressed->state().selected);
        const bool samePressed = presses.first() == presses.last();
        QCOMPARE(tile(window, presses.first())->state().selected, samePressed);
    }

    // A miss describes every tile as a wrong answer, the one pressed last no longer as
    // selected, until a tile is pressed again.
    void missDescribesTheTiles()
    {
        GameWindow window(Phrase);
        window.start();
        act(tile(window, 7), QAccessibleActionInterface::pressAction());
        act(boardOf(window), u"submit"_s);
        QVERIFY(!tile(window, 7)->state().selected);
        QCOMPARE(tile(window, 4)->text(QAccessible::Description), u"wrong answer"_s);
        act(tile(window, 4), QAccessibleActionInterface::pressAction());
        QCOMPARE(tile(window, 4)->text(QAccessible::Description), QString());
        QCOMPARE(tile(window, 5)->text(QAccessible::Description), u"wrong answer"_s);
    }

    // The submit action checks the answer and shows the report, read as a status line.
    void submitShowsTheReport_data()
    {
        QTest::addColumn<QList<int>>("presses");
        QTest::addColumn<QString>("report");
        QTest::newRow("a miss") << QList<int>{7} << u" Score :  0% Shots :  1 Hits   :  0|"_s;
        QTest::newRow("a hit") << QList<int>{1, 7, 12}
                               << u" Score :  100% Shots :  1 Hits   :  1|"_s;
    }
    void submitShowsTheReport()
    {
        QFETCH(QList<int>, presses);
        QFETCH(QString, report);
        GameWindow window(Phrase);
        window.start();
        for (const int position : presses)
            act(tile(window, position), QAccessibleActionInterface::pressAction());
        act(boardOf(window), u"submit"_s);
        QCOMPARE(namesOf(window, QAccessible::StatusBar), report);
    }

    // The printed lines read as static text, from the top down.
    void printedLinesReadInOrder()
    {
        GameWindow window(Phrase);
        window.show();
        const QString lines = namesOf(window, QAccessible::StaticText);
        QCOMPARE(lines, u"| Tilde.TXT Loaded.| File contains :  1 phrases.|| Click START to begin"
                        " the test.| Click HELP to read the instructions.|"_s);
    }

    // An interface that an assistive technology kept from a board that has changed since
    // stands for no tile: pressing it clicks nothing.
    void staleTileClicksNothing_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("after a hit, the same phrase again")
            << QStringList{u"1"_s, u"12"_s, u"submit"_s};
        QTest::newRow("after Help") << QStringList{u"help"_s};
    }
    void staleTileClicksNothing()
    {
        QFETCH(QStringList, steps);
        GameWindow window(Phrase + Phrase);
        window.start();
        act(tile(window, 7), QAccessibleActionInterface::pressAction());
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
        const QStringList started{u"start"_s};
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
            << QStringList{u"start"_s, u"1"_s, u"7"_s, u"12"_s} << submit
            << QAccessible::ObjectReorder << QAccessible::Pane << u"El esta aqui."_s;
        QTest::newRow("Start lays out a phrase") << QStringList() << started
                                                 << QAccessible::NameChanged << QAccessible::Pane
                                                 << u"El esta aqui."_s;
        QTest::newRow("Help prints over the load report")
            << QStringList() << QStringList{u"help"_s} << QAccessible::NameChanged
            << QAccessible::StaticText << u" Acutrix automatically searches and loads "_s;
        QTest::newRow("the prompt prints over the load report")
            << QStringList() << submit << QAccessible::NameChanged << QAccessible::StaticText
            << u" Press START to being test ! "_s;
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

private:
    static void run(GameWindow &window, const QString &step)
    {
        if (step == u"start")
            window.menuItem(0)->trigger();
        else if (step == u"help")
            window.menuItem(1)->trigger();
        else if (step == u"submit")
            act(boardOf(window), u"submit"_s);
        else
            act(tile(window, step.toInt()), QAccessibleActionInterface::pressAction());
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
