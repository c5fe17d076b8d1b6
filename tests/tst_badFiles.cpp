// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Phrase files that are missing, unreadable, not files at all, empty, huge or not text,
// on the real window: each loads as the phrases its bytes hold or gives the seven
// warning lines with Start disabled, and the file is left exactly as it was found.

#include "accents.h"
#include "gamewindow.h"
#include "messages.h"
#include "phrasefile.h"
#include <QAction>
#include <QCryptographicHash>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char Name[] = "Tilde.txt";

// What lies under the name, without following a link: type, permissions, size,
// modification time and, for a regular file, a hash of its bytes.
QByteArray fingerprint()
{
    struct stat status;
    if (::lstat(Name, &status) != 0)
        return "nothing";
    QByteArray print = QByteArray::number(status.st_mode, 8) + ' ' + QByteArray::number(qint64(status.st_size)) + ' '
        + QByteArray::number(qint64(status.st_mtim.tv_sec)) + '.' + QByteArray::number(qint64(status.st_mtim.tv_nsec));
    if (S_ISREG(status.st_mode)) {
        ::chmod(Name, 0600); // to read back a file made unreadable; keeps the modification time
        QFile file(Name);
        if (file.open(QIODevice::ReadOnly))
            print += ' ' + QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex();
        ::chmod(Name, status.st_mode & 07777);
    }
    return print;
}

// How to make the file, its bytes (or its size, or a link's target), and its phrases,
// or nothing when the file is refused.
void row(const char *name, const char *make, const QByteArray &bytes, std::optional<QStringList> phrases = {})
{
    QTest::newRow(name) << QByteArray(make) << bytes << phrases;
}

} // namespace

class TestBadFiles : public QObject
{
    Q_OBJECT

private slots:
    void fileLoadsOrIsRefusedAndStaysUnchanged_data()
    {
        QTest::addColumn<QByteArray>("make");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<std::optional<QStringList>>("phrases");
        row("missing", "nothing", {});
        row("a folder", "folder", {});
        row("no permission to read", "unreadable", "uno\r\n");
        row("a link to nothing", "link", "nowhere.txt");
        row("a named pipe", "pipe", {}); // opening it for reading would wait for a writer
        row("a link to an endless device", "link", "/dev/zero");
        row("empty", "file", {}, QStringList());
        row("NUL bytes", "file", QByteArray(4096, '\0'), QStringList{QString(4096, QChar(0))});
        const qint64 limit = MaxPhraseFileBytes;
        row("64 MiB and 1 byte", "sparse", QByteArray::number(limit + 1));
        row("64 MiB exactly", "sparse", QByteArray::number(limit), QStringList{QString(limit, QChar(0))});
        // Not valid UTF-8, so Windows-1252: the NUL halves of the characters stay, CR and LF end lines.
        const QString nul(1, QChar(0));
        row("UTF-16", "file", QByteArray("\xFF\xFEu\0n\0o\0\r\0\n\0d\0\xF3\0s\0\r\0\n\0", 22),
            QStringList{QString::fromLatin1("\xFF\xFEu\0n\0o\0", 8), nul,
                        QString::fromLatin1("\0d\0\xF3\0s\0", 7), nul, nul});
        const QString line = QStringLiteral("Canción de la mañana ").repeated(49933).left(1024 * 1024 - 1) + u'.';
        row("one line of 1 MiB", "file", line.toLatin1(), QStringList{line});
    }

    void fileLoadsOrIsRefusedAndStaysUnchanged()
    {
        QFETCH(QByteArray, make);
        QFETCH(QByteArray, bytes);
        QFETCH(std::optional<QStringList>, phrases);
        if (make == "unreadable" && ::geteuid() == 0)
            QSKIP("Running as root, where file permissions do not stop reading");
        GameWindow game(std::nullopt);
        QFile file(Name);
        if (make == "file" || make == "unreadable")
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        QVERIFY(make != "sparse" || (file.open(QIODevice::WriteOnly) && file.resize(bytes.toLongLong())));
        file.close();
        QVERIFY(make != "unreadable" || ::chmod(Name, 0) == 0);
        QVERIFY(make != "folder" || QDir().mkdir(Name));
        QVERIFY(make != "link" || ::symlink(bytes.constData(), Name) == 0);
        QVERIFY(make != "pipe" || ::mkfifo(Name, 0600) == 0);
        const QByteArray before = fingerprint();

        game.show();
        QCOMPARE(game.form->startAction()->isEnabled(), phrases.has_value());
        QCOMPARE(game.form->sourceList(), phrases.value_or(QStringList()));
        QCOMPARE(game.panelLines(), phrases ? Messages::loadReport(phrases->size()) : Messages::loadWarning());
        // A game on these phrases: the first one laid out as far as the tiles go, then judged.
        game.form->startAction()->trigger();
        const QString head = game.form->playList().value(0).left(MaxPhraseTiles);
        QCOMPARE(game.shownTiles(), phrases ? int(head.size()) + 1 : 0);
        QString plain;
        for (const QChar c : head)
            plain += NOTilde(QString(c));
        QCOMPARE(game.board(), plain);
        game.pressEnter();
        if (!phrases || phrases->isEmpty())
            QCOMPARE(game.panelLines(), Messages::startPrompt());
        else // with no accent to put back, the untouched board is a hit
            QCOMPARE(game.form->hitCount().value_or(0), quint64(plain == head));
        QCOMPARE(fingerprint(), before);
    }
};

QTEST_MAIN(TestBadFiles)
#include "tst_badFiles.moc"
