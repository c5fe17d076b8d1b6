// Phrase files that are missing, unreadable, not files at all, empty, huge or not text,
// on the real window: each one either loads as the phrases its bytes hold, or gives the
// seven warning lines with Start disabled. None crashes or hangs, and the program leaves
// the file exactly as it found it: same bytes, same modification time.

#include "gamewindow.h"
#include "messages.h"
#include "phrasefile.h"

#include <QAction>
#include <QCryptographicHash>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString FileName = QStringLiteral("Tilde.txt");

// What is there under the name of the phrase file, without following a link.
struct Entry {
    bool exists = false;
    mode_t type = 0;
    qint64 size = 0;
    timespec modified{};
    QByteArray sha256;

    bool operator==(const Entry &other) const
    {
        return exists == other.exists && type == other.type && size == other.size
            && modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec
            && sha256 == other.sha256;
    }
};

Entry entryNow()
{
    Entry entry;
    struct stat status;
    if (::lstat(FileName.toLocal8Bit().constData(), &status) != 0)
        return entry;
    entry.exists = true;
    entry.type = status.st_mode & S_IFMT;
    entry.size = status.st_size;
    entry.modified = status.st_mtim;
    if (S_ISREG(status.st_mode)) {
        // Read back with the permission to read it, when the test took that away.
        const mode_t permissions = status.st_mode & 07777;
        ::chmod(FileName.toLocal8Bit().constData(), 0600);
        QFile file(FileName);
        QCryptographicHash hash(QCryptographicHash::Sha256);
        if (file.open(QIODevice::ReadOnly) && hash.addData(&file))
            entry.sha256 = hash.result();
        ::chmod(FileName.toLocal8Bit().constData(), permissions);
        // Restoring the permissions changes no modification time.
    }
    return entry;
}

void writeFile(const QByteArray &bytes)
{
    QFile file(FileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A file of that size that reads as NUL bytes and takes no room on the disk.
void writeSparseFile(qint64 size)
{
    QFile file(FileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(size));
}

QString characters(std::initializer_list<char16_t> list)
{
    QString text;
    for (const char16_t c : list)
        text.append(QChar(c));
    return text;
}

// The text of the tiles of a phrase, without accents, as a board shows it.
QString shownPart(const QString &phrase)
{
    return phrase.left(MaxPhraseTiles);
}

} // namespace

class TestBadFiles : public QObject
{
    Q_OBJECT

private slots:
    void refusedFileGivesTheWarning_data();
    void refusedFileGivesTheWarning();
    void oddFileLoadsAsItsBytesSay_data();
    void oddFileLoadsAsItsBytesSay();
};

void TestBadFiles::refusedFileGivesTheWarning_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << "missing";
    QTest::newRow("a folder named Tilde.txt") << "folder";
    QTest::newRow("no permission to read") << "unreadable";
    QTest::newRow("64 MiB and 1 byte") << "over the limit";
    QTest::newRow("a link to nothing") << "dangling link";
    QTest::newRow("a named pipe") << "pipe";
    QTest::newRow("a link to an endless device") << "device";
}

void TestBadFiles::refusedFileGivesTheWarning()
{
    QFETCH(QString, kind);
    GameWindow game(std::nullopt);
    const QByteArray name = FileName.toLocal8Bit();
    if (kind == u"folder") {
        QVERIFY(QDir().mkdir(FileName));
    } else if (kind == u"unreadable") {
        if (::geteuid() == 0)
            QSKIP("Running as root, where file permissions do not stop reading");
        writeFile("uno\r\n");
        QVERIFY(::chmod(name.constData(), 0) == 0);
    } else if (kind == u"over the limit") {
        writeSparseFile(MaxPhraseFileBytes + 1);
    } else if (kind == u"dangling link") {
        QVERIFY(::symlink("nowhere.txt", name.constData()) == 0);
    } else if (kind == u"pipe") {
        // Opening a pipe with no writer for reading would wait for ever.
        QVERIFY(::mkfifo(name.constData(), 0600) == 0);
    } else if (kind == u"device") {
        QVERIFY(::symlink("/dev/zero", name.constData()) == 0);
    }
    if (QTest::currentTestFailed())
        return;
    const Entry before = entryNow();

    game.show();
    QCOMPARE(game.panelLines(), Messages::loadWarning());
    QVERIFY(!game.form->startAction()->isEnabled());
    QVERIFY(game.form->sourceList().isEmpty());
    QCOMPARE(game.shownTiles(), 0);

    // The rest of the window still works; no game can start.
    game.form->startAction()->trigger();
    QVERIFY(game.form->playList().isEmpty());
    game.pressEnter();
    QCOMPARE(game.panelLines(), Messages::startPrompt());
    game.form->helpAction()->trigger();
    QCOMPARE(game.panelLines(), Messages::help());

    QVERIFY(entryNow() == before);
}

void TestBadFiles::oddFileLoadsAsItsBytesSay_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("phrases");

    QTest::newRow("empty") << "empty" << QStringList();
    QTest::newRow("NUL bytes") << "NUL bytes" << QStringList{QString(4096, QChar(0))};

    // Not valid UTF-8, so read as Windows-1252, a byte a character: the NUL halves of
    // the characters stay, the CR and LF bytes end lines.
    QTest::newRow("UTF-16 with a byte-order mark")
        << "UTF-16" << QStringList{characters({u'ÿ', u'þ', u'u', 0, u'n', 0, u'o', 0}),
                                   characters({0}),
                                   characters({0, u'd', 0, u'ó', 0, u's', 0}),
                                   characters({0}),
                                   characters({0})};
    QString line;
    while (line.size() < 1024 * 1024)
        line += QStringLiteral("Canción de la mañana ");
    line.truncate(1024 * 1024 - 1);
    line += u'.';
    QTest::newRow("one line of 1 MiB") << "long line" << QStringList{line};
    QTest::newRow("64 MiB exactly") << "at the limit" << QStringList{QString(MaxPhraseFileBytes, QChar(0))};
}

void TestBadFiles::oddFileLoadsAsItsBytesSay()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, phrases);
    GameWindow game(std::nullopt);
    if (kind == u"empty") {
        writeFile(QByteArray());
    } else if (kind == u"NUL bytes") {
        writeFile(QByteArray(4096, '\0'));
    } else if (kind == u"UTF-16") {
        const QString text = QStringLiteral("uno\r\ndós\r\n");
        QByteArray bytes("\xFF\xFE");
        for (const QChar c : text) {
            bytes.append(char(c.unicode() & 0xFF));
            bytes.append(char(c.unicode() >> 8));
        }
        writeFile(bytes);
    } else if (kind == u"long line") {
        writeFile(phrases.first().toLatin1()); // the same bytes as Windows-1252
    } else if (kind == u"at the limit") {
        writeSparseFile(MaxPhraseFileBytes);
    }
    if (QTest::currentTestFailed())
        return;
    const Entry before = entryNow();

    game.show();
    QCOMPARE(game.form->sourceList().size(), phrases.size());
    QVERIFY(game.form->sourceList() == phrases);
    QCOMPARE(game.panelLines(), Messages::loadReport(phrases.size()));
    QVERIFY(game.form->startAction()->isEnabled());

    // A game on these phrases: the first one is laid out as far as the tiles go, and
    // a submission without a click is judged without failing.
    game.form->startAction()->trigger();
    const QString head = game.form->playList().value(0);
    QCOMPARE(game.shownTiles(), int(shownPart(head).size()) + 1);
    QCOMPARE(game.board(), shownPart(head).replace(u'ó', u'o').replace(u'á', u'a'));
    game.pressEnter();
    if (phrases.isEmpty()) {
        QCOMPARE(game.panelLines(), Messages::startPrompt());
        QCOMPARE(game.form->missCount(), qint16(0));
    } else {
        // An answer with no accent on the board is a hit, anything else a miss.
        const bool plain = !head.contains(u'ó') && !head.contains(u'á');
        QCOMPARE(game.form->hitCount().value_or(0), quint64(plain ? 1 : 0));
        QCOMPARE(game.form->missCount(), qint16(plain ? 0 : 1));
    }

    QVERIFY(entryNow() == before);
}

QTEST_MAIN(TestBadFiles)
#include "tst_badFiles.moc"
