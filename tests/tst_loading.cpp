// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Loading the phrase file into the window at start-up, and starting a game from it.

#include "gamewindow.h"
#include "messages.h"
#include "phrasefile.h"

#include <QAction>

class TestLoading : public QObject
{
    Q_OBJECT

private slots:
    void reportCountsThePhrasesBelowWhatIsShown();
    void emptyFileIsLoadedWithNoPhrase();
    void unloadableFileGivesTheWarningAndDisablesStart_data();
    void unloadableFileGivesTheWarningAndDisablesStart();
    void fileNamedInOtherCaseIsFound();
    void startShufflesByInsertion();
    void startDrawsTheColourBeforeTheOrder();
    void startDuringAGameBeginsAfresh();
    void startWithNoPhraseShowsTileZeroAlone();
};

void TestLoading::reportCountsThePhrasesBelowWhatIsShown()
{
    GameWindow game(QByteArray("  ab   cd  \r\n\r\n   \r\nab cd\r\n\t\r\nÉl está aquí"));
    game.form->textPanel()->printLine(QStringLiteral(" earlier"));
    game.show();
    QCOMPARE(game.form->sourceList(),
             QStringList({"ab cd", "ab cd", "\t", QStringLiteral("Él está aquí")}));
    const QStringList lines = game.panelLines();
    QCOMPARE(lines.first(), QStringLiteral(" earlier"));
    QCOMPARE(lines.mid(1), Messages::loadReport(4));
    QCOMPARE(lines[3], QStringLiteral(" File contains :  4 phrases."));
    QVERIFY(game.form->startAction()->isEnabled());
}

void TestLoading::emptyFileIsLoadedWithNoPhrase()
{
    GameWindow game(QByteArray(""));
    game.show();
    QVERIFY(game.form->sourceList().isEmpty());
    QCOMPARE(game.panelLines(), Messages::loadReport(0));
    QCOMPARE(game.panelLines()[2], QStringLiteral(" File contains :  0 phrases."));
    QVERIFY(game.form->startAction()->isEnabled());
}

void TestLoading::unloadableFileGivesTheWarningAndDisablesStart_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << "missing";
    QTest::newRow("a folder named Tilde.txt") << "folder";
    QTest::newRow("larger than the limit") << "huge";
}

void TestLoading::unloadableFileGivesTheWarningAndDisablesStart()
{
    QFETCH(QString, kind);
    GameWindow game(std::nullopt);
    if (kind == u"folder")
        QVERIFY(QDir().mkdir(QStringLiteral("Tilde.txt")));
    if (kind == u"huge") {
        QFile file(QStringLiteral("Tilde.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(MaxPhraseFileBytes + 1)); // sparse: costs no disk
    }
    game.form->textPanel()->printLine(QStringLiteral(" earlier"));
    game.show();
    QCOMPARE(game.panelLines(), Messages::loadWarning());
    QCOMPARE(game.panelLines()[1], QStringLiteral(" WARNING : Unable to load file Tilde.TXT"));
    QVERIFY(!game.form->startAction()->isEnabled());
    QCOMPARE(game.shownTiles(), 0);

    // Help still works and Start stays disabled.
    game.form->helpAction()->trigger();
    QCOMPARE(game.panelLines().size(), 13);
    QVERIFY(!game.form->startAction()->isEnabled());
}

void TestLoading::fileNamedInOtherCaseIsFound()
{
    GameWindow game(std::nullopt);
    QFile file(QStringLiteral("Tilde.TXT"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("uno\r\n");
    file.close();
    game.show();
    QCOMPARE(game.form->sourceList(), QStringList{"uno"});
}

void TestLoading::startShufflesByInsertion()
{
    // Load draws the colour; Start draws a colour, then one draw per phrase:
    // k = 0 of 1 gap, 1 of 2 gaps, 0 of 3 gaps.
    GameWindow game(QByteArray("P1\r\nP2\r\nP3\r\n"), {0.5, 0.5, 0.0, 0.5, 0.2});
    game.show();
    game.form->startAction()->trigger();
    QCOMPARE(game.form->playList(), QStringList({"P3", "P1", "P2"}));
    QCOMPARE(game.random->drawCount, 5);
    QCOMPARE(game.board(), QStringLiteral("P3"));
    QVERIFY(game.panelLines().isEmpty());
}

void TestLoading::startDrawsTheColourBeforeTheOrder()
{
    // The draw after Load's picks the colour (0.99: black); the one after it orders
    // the queue (0.6 of 2 gaps: the second phrase goes last).
    GameWindow game(QByteArray("P1\r\nP2\r\n"), {0.0, 0.99, 0.0, 0.6});
    game.show();
    game.form->startAction()->trigger();
    QCOMPARE(game.form->backgroundColour(), QColor(Qt::black));
    QCOMPARE(game.tile(1)->backgroundColour(), QColor(Qt::black));
    QCOMPARE(game.form->playList(), QStringList({"P1", "P2"}));
}

void TestLoading::startDuringAGameBeginsAfresh()
{
    GameWindow game(QByteArray("uno\r\ndós\r\n"), {0.0, 0.0, 0.0, 0.0});
    game.show();
    game.form->startAction()->trigger();
    QCOMPARE(game.form->playList().first(), QStringLiteral("dós"));
    game.pressEnter(); // "dos" without its accent: a miss
    game.clickTile(2);
    game.pressEnter(); // "dós": a hit
    QCOMPARE(game.form->missCount(), qint16(1));
    QCOMPARE(game.form->hitCount(), std::optional<quint64>(1));
    QVERIFY(!game.form->reportLabel()->caption().isEmpty());

    game.form->startAction()->trigger();
    QCOMPARE(game.form->missCount(), qint16(0));
    QCOMPARE(game.form->hitCount(), std::optional<quint64>(0));
    QCOMPARE(game.form->reportLabel()->caption(), QString());
    QCOMPARE(game.form->playList().size(), 2);
}

void TestLoading::startWithNoPhraseShowsTileZeroAlone()
{
    GameWindow game(QByteArray("\r\n   \r\n"));
    game.show();
    game.form->startAction()->trigger();
    QVERIFY(game.form->playList().isEmpty());
    QCOMPARE(game.shownTiles(), 1);
    QCOMPARE(game.form->hitCount(), std::optional<quint64>(0));
    QCOMPARE(game.form->missCount(), qint16(0));
    game.pressEnter();
    QCOMPARE(game.panelLines(), Messages::startPrompt());
}

QTEST_MAIN(TestLoading)
#include "tst_loading.moc"
