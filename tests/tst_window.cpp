// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window as a whole: Load, the phrase file and what the window says about it, the
// text panel under Help and Credits, which events submit, and the toolkit's options.

#include "gamewindow.h"
#include "startup.h"

#include <QMenuBar>
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

// What lies under the name, without following a link; any write changes its time.
QByteArray fingerprint()
{
    struct stat s;
    return ::lstat("Tilde.txt", &s) != 0
        ? QByteArray("nothing")
        : QByteArray::number(s.st_mode) + ' ' + QByteArray::number(qint64(s.st_size)) + ' '
            + QByteArray::number(qint64(s.st_mtim.tv_sec)) + '.'
            + QByteArray::number(qint64(s.st_mtim.tv_nsec));
}

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    void loadPaintsAndReadsThePhrasesOnce()
    {
        GameWindow game(QByteArray("uno\r\ndos\r\n"), {0.8}); // the sixth of seven colours
        QVERIFY(game.random->seeds == std::vector<float>{45296.25f} && game.random->drawCount == 1);
        const QColor brownishRed(128, 64, 64);
        QVERIFY(game.form->backgroundColour() == brownishRed
                && game.form->reportLabel()->backgroundColour() == brownishRed);
        for (int i = 0; i < TileCount; ++i)
            QVERIFY(game.tile(i)->isHidden() && game.tile(i)->backgroundColour() == brownishRed);

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
        QVERIFY(game.form->isMaximized());

        // Before any game a submission prompts to start, and reports nothing.
        game.enter();
        QCOMPARE(game.lines(), QStringList({"", " Press START to being test ! "}));
        QVERIFY(game.report().isEmpty() && !game.form->hitCount().has_value());

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
        int widest = 0;
        for (const QString &line : game.lines())
            widest = std::max(widest,
                              QFontMetrics(game.form->textPanel()->font()).horizontalAdvance(line));
        QVERIFY2(widest <= 792, qPrintable(QString::number(widest)));
        QCOMPARE(game.form->textPanel()->font().pointSize(), 24);
        const QImage shot = game.form->textPanel()
                                ->grab(QRect(0, 0, 300, 100))
                                .toImage()
                                .convertToFormat(QImage::Format_RGB32);
        QVERIFY(std::count(reinterpret_cast<const QRgb *>(shot.constBits()),
                           reinterpret_cast<const QRgb *>(shot.constBits()) + 30000,
                           qRgb(255, 255, 255))
                > 50);
        game.form->PaintBackground(); // a new colour erases what was printed
        QVERIFY(game.lines().isEmpty());
    }

    // Each file either loads, below what the panel showed, or gives the warning on a clean
    // panel with Start disabled; and it is left exactly as it was.
    void phraseFileLoadsOrIsRefused_data()
    {
        QTest::addColumn<QByteArray>("make");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("phrases"); // -1: refused
        QTest::newRow("missing") << QByteArray("nothing") << QByteArray() << -1;
        QTest::newRow("a folder") << QByteArray("folder") << QByteArray() << -1;
        QTest::newRow("unreadable") << QByteArray("unreadable") << QByteArray("uno\r\n") << -1;
        QTest::newRow("a dangling link") << QByteArray("link") << QByteArray("nowhere.txt") << -1;
        QTest::newRow("a FIFO") << QByteArray("fifo") << QByteArray() << -1;
        QTest::newRow("empty") << QByteArray("file") << QByteArray() << 0;
        QTest::newRow("NUL bytes") << QByteArray("file") << QByteArray(4096, '\0') << 1;
        QTest::newRow("UTF-16") << QByteArray("file")
                                << QByteArray("\xFF\xFEu\0n\0o\0\r\0\n\0d\0\xF3\0s\0\r\0\n\0", 22)
                                << 5;
        QTest::newRow("64 MiB exactly")
            << QByteArray("sparse") << QByteArray::number(64 * 1024 * 1024) << 1;
        QTest::newRow("64 MiB and 1 byte")
            << QByteArray("sparse") << QByteArray::number(64 * 1024 * 1024 + 1) << -1;
    }

    void phraseFileLoadsOrIsRefused()
    {
        QFETCH(QByteArray, make);
        QFETCH(QByteArray, bytes);
        QFETCH(int, phrases);
        GameWindow game(std::nullopt);
        QFile file(QStringLiteral("Tilde.txt"));
        if (make == "file" || make == "unreadable")
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        if (make == "sparse") // costs no disk
            QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(bytes.toLongLong()));
        file.close();
        if (make == "unreadable" && file.setPermissions({}) && file.open(QIODevice::ReadOnly))
            QSKIP("This user reads files whatever their permissions");
        QVERIFY(make != "folder" || QDir().mkdir(QStringLiteral("Tilde.txt")));
        QVERIFY(make != "link" || QFile::link(bytes, QStringLiteral("Tilde.txt")));
        QVERIFY(make != "fifo" || ::mkfifo("Tilde.txt", 0600) == 0);
        const QByteArray before = fingerprint();

        game.form->textPanel()->printLine(QStringLiteral(" earlier"));
        game.show();
        QVERIFY(game.form->sourceList().size() == std::max(phrases, 0)
                && game.form->startAction()->isEnabled() == (phrases >= 0));
        const QStringList warning = {"",
                                     " WARNING : Unable to load file Tilde.TXT",
                                     " This file contains the phrases for the test.",
                                     "",
                                     " You can manually create/customize a new one.",
                                     " Remember that Acutrix.EXE and Tilde.TXT ",
                                     " must be placed in the same folder."};
        QCOMPARE(game.lines(),
                 phrases >= 0 ? QStringList{" earlier"} + loadReport(phrases) : warning);
        QCOMPARE(fingerprint(), before);
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
    char reverse[] = "-reverse", stylesheet[] = "-stylesheet", sheet[] = "QWidget { color: red }";
    char *programArgv[] = {argv[0], reverse, stylesheet, sheet, nullptr};
    AcutrixApplication app(4, programArgv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestWindow test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_window.moc"
