// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The phrases: finding the phrase file, decoding its bytes, splitting and folding its
// lines, shuffling them into the play queue by random insertion, one draw each, and the
// phrase files we ship, read with the program's own reader (tst_check checks their
// spelling).
#include "phrasefile.h"
#include "phrasefilereader.h"
#include "playqueue.h"
#include "qtext.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <random>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using Wide = unsigned __int128;

static const char *const Sets[] = {"diacritics",   "questions",       "last-syllable",
                                   "next-to-last", "third-from-last", "hiatus"};

static QStringList phrasesOf(const QByteArray &bytes)
{
    const std::optional<std::vector<std::u16string>> parsed = parsePhrases(bytes.toStdString());
    QStringList phrases;
    for (const std::u16string &phrase : parsed.value())
        phrases << qtext(phrase);
    return phrases;
}

// A text as UTF-16 with its byte-order mark.
static QByteArray utf16(const QString &text, bool bigEndian)
{
    QByteArray bytes = bigEndian ? "\xFE\xFF"_ba : "\xFF\xFE"_ba;
    for (const QChar unit : text) {
        const char high = char(unit.unicode() >> 8);
        const char low = char(unit.unicode() & 0xFF);
        bytes.append(bigEndian ? high : low);
        bytes.append(bigEndian ? low : high);
    }
    return bytes;
}

static QByteArray contents(const QString &path)
{
    QFile file(QStringLiteral(ACUTRIX_SOURCE_DIR "/") + path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Whether a child process reads the phrase file of a folder: 0 refused, 1 read, 2 the
// child may open the file after all, 3 it could not drop root, who reads any file, for
// the user nobody.
static int readAsNobody(const QString &folder)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(3);
        if (QFile(folder + u"/Tilde.txt"_s).open(QIODevice::ReadOnly))
            ::_exit(2);
        ::_exit(readPhraseFile(folder) ? 1 : 0);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class TestPhraseFile : public QObject
{
    Q_OBJECT

private slots:
    // UTF-8 when the bytes are valid UTF-8 with a multi-byte sequence (the file's first
    // byte-order mark dropped), else Windows-1252. Lines end at CR, LF or CR LF; spaces
    // (U+0020 only) are trimmed and runs of them folded; lines left empty are skipped.
    void phrases_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("phrases");
        QTest::newRow("CR, LF and CR LF")
            << "uno\rdos\ntres\r\ncuatro"_ba
            << QStringList{u"uno"_s, u"dos"_s, u"tres"_s, u"cuatro"_s};
        QTest::newRow("blank and spaces-only lines, final line end")
            << "\r\nuno\r\n\r\n   \n \r\r\n"_ba << QStringList{u"uno"_s};
        QTest::newRow("runs of spaces folded, tab-only line kept")
            << "  ab   cd  \r\n\t\na  \t  b"_ba << QStringList{u"ab cd"_s, u"\t"_s, u"a \t b"_s};
        QTest::newRow("only extra space at an end")
            << "uno \na b \n a\n"_ba << QStringList{u"uno"_s, u"a b"_s, u"a"_s};
        QTest::newRow("Windows-1252, the bytes of a mark kept")
            << "\xEF\xBB\xBF\x43\x61mi\xF3n\r\n\xC1 \x80\x81\x9F\r\n"_ba
            << QStringList{u"\u00EF\u00BB\u00BFCami\u00F3n"_s, u"\u00C1 \u20AC\u0081\u0178"_s};
        QTest::newRow("UTF-8") << "Cami\xC3\xB3n\n\xC3\x81 \xC2\xA0 \n"_ba
                               << QStringList{u"Cami\u00F3n"_s, u"\u00C1 \u00A0"_s};
        QTest::newRow("UTF-8, only the first mark dropped")
            << "\xEF\xBB\xBF\xC3\x81\n\xEF\xBB\xBF\x62"_ba
            << QStringList{u"\u00C1"_s, u"\uFEFFb"_s};
        QTest::newRow("mark on a later line only")
            << "a\n\xEF\xBB\xBF\x62 "_ba << QStringList{u"a"_s, u"\uFEFFb"_s};
        QTest::newRow("NUL bytes") << QByteArray(3, '\0') << QStringList{QString(3, QChar(0))};
        QTest::newRow("invalid UTF-8")
            << "\xC3\xA1 \xE9"_ba << QStringList{u"\u00C3\u00A1 \u00E9"_s};
        // UTF-16 after its mark, line ends and spaces as in the other encodings; a vowel and a
        // combining acute accent joined into the accented vowel, in every encoding that can
        // hold the accent, and nothing else joined.
        const QString three = u"Él está aquí.\r\nLa canción.\r\nTú sabrás."_s;
        const QStringList read = {u"Él está aquí."_s, u"La canción."_s, u"Tú sabrás."_s};
        QTest::newRow("UTF-16LE, CR LF") << utf16(three, false) << read;
        QTest::newRow("UTF-16BE, CR LF") << utf16(three, true) << read;
        QTest::newRow("UTF-16LE, LF, spaces folded")
            << utf16(u" Él  está aquí. \nLa canción.\n\n"_s, false)
            << QStringList{u"Él está aquí."_s, u"La canción."_s};
        QTest::newRow("UTF-16BE, CR")
            << utf16(u"uno\rdos\r"_s, true) << QStringList{u"uno"_s, u"dos"_s};
        QTest::newRow("UTF-16LE, a character outside the BMP")
            << utf16(u"\U0001F600 sí"_s, false) << QStringList{u"\U0001F600 sí"_s};
        QTest::newRow("a mark alone") << "\xFF\xFE"_ba << QStringList();
        const QString decomposed = u"a\u0301e\u0301i\u0301o\u0301u\u0301"
                                   u"A\u0301E\u0301I\u0301O\u0301U\u0301"_s;
        const QStringList joined = {u"áéíóúÁÉÍÓÚ"_s};
        QTest::newRow("ten pairs, UTF-8") << decomposed.toUtf8() << joined;
        QTest::newRow("ten pairs, UTF-16") << utf16(decomposed, false) << joined;
        QTest::newRow("Windows-1252 holds no combining accent")
            << "a\xCC\x81 \xE9"_ba << QStringList{u"aÌ\u0081 é"_s};
        QTest::newRow("after a consonant, after an accented vowel, alone")
            << u"n\u0301 á\u0301 \u0301a y\u0301"_s.toUtf8()
            << QStringList{u"n\u0301 á\u0301 \u0301a y\u0301"_s};
        QTest::newRow("other combining marks")
            << u"a\u0300 u\u0308"_s.toUtf8() << QStringList{u"a\u0300 u\u0308"_s};
        QTest::newRow("joined before the board counts")
            << QString(383, u'a').replace(u"a"_s, u"a\u0301"_s).toUtf8()
            << QStringList{QString(383, u'á')};
    }
    void phrases()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, phrases);
        QCOMPARE(phrasesOf(bytes), phrases);
    }

    // Bytes that are no text the reader can decode: the game then gives its warning.
    void unreadable_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("an odd byte count") << utf16(u"ab"_s, false) + 'c';
        QTest::newRow("a lone high surrogate") << utf16(u"a"_s + QChar(0xD800) + u"b"_s, false);
        QTest::newRow("a lone low surrogate") << utf16(u"a"_s + QChar(0xDC00) + u"b"_s, true);
        QTest::newRow("a high surrogate at the end") << utf16(u"a"_s + QChar(0xDBFF), false);
        QTest::newRow("a UTF-32 mark") << "\xFF\xFE\0\0H\0\0\0"_ba;
    }
    void unreadable()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!parsePhrases(bytes.toStdString()).has_value());
    }

    // The lines as decoded, before any folding: spaces, blank lines and accents as written.
    void decodedLinesKeepWhatIsWritten()
    {
        const std::vector<std::u16string> lines = {u" a  b ", u"", u"   ", u"e\u0301"};
        QCOMPARE(decodedLines(" a  b \r\n\r\n   \ne\xCC\x81\r").value(), lines);
    }

    // Every byte alone is Windows-1252: Latin-1 but for 0x80 to 0x9F, where the five
    // bytes Windows-1252 leaves undefined keep their own value.
    void everyByteDecoded()
    {
        // 0x80 to 0x8F, then 0x90 to 0x9F.
        QString high = u"€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F"_s;
        high += u"\u0090‘’“”•–—˜™š›œ\u009DžŸ"_s;
        std::string bytes;
        QString expected;
        for (int byte = 0; byte < 256; ++byte) {
            bytes += char(byte);
            expected += byte >= 0x80 && byte < 0xA0 ? high[byte - 0x80] : QChar(byte);
        }
        QCOMPARE(qtext(decodeWindows1252(bytes)), expected);
    }

    // "Tilde.txt" itself, else a name that differs only in letter case.
    void phraseFileFound_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("found");
        QTest::newRow("none") << QStringList{u"Tilde.txt.bak"_s} << QString();
        QTest::newRow("another case") << QStringList{u"TILDE.TXT"_s} << u"TILDE.TXT"_s;
        QTest::newRow("the very name first")
            << QStringList{u"TILDE.TXT"_s, u"Tilde.txt"_s, u"tilde.txt"_s} << u"Tilde.txt"_s;
    }
    void phraseFileFound()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, found);
        QTemporaryDir dir;
        for (const QString &name : files)
            QVERIFY(QFile(dir.filePath(name)).open(QIODevice::WriteOnly));
        QCOMPARE(QFileInfo(locatePhraseFile(dir.path())).fileName(), found);
    }

    // Read when it is a regular file of 64 MiB at most (sparse files, which cost no disk);
    // refused when there is none, or a folder, a FIFO or a dangling link in its place.
    void phraseFileRead_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<bool>("read");
        const qint64 limit = qint64(64) * 1024 * 1024;
        QTest::newRow("empty") << u"file"_s << qint64(0) << true;
        QTest::newRow("64 MiB") << u"file"_s << limit << true;
        QTest::newRow("a byte more") << u"file"_s << limit + 1 << false;
        QTest::newRow("missing") << u"none"_s << qint64(0) << false;
        QTest::newRow("a folder") << u"folder"_s << qint64(0) << false;
        QTest::newRow("a FIFO") << u"fifo"_s << qint64(0) << false;
        QTest::newRow("a dangling link") << u"link"_s << qint64(0) << false;
    }
    void phraseFileRead()
    {
        QFETCH(QString, kind);
        QFETCH(qint64, size);
        QFETCH(bool, read);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Tilde.txt"_s);
        QFile file(path);
        if (kind == u"file") {
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(size));
        }
        QVERIFY(kind != u"folder" || QDir().mkdir(path));
        QVERIFY(kind != u"fifo" || ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        QVERIFY(kind != u"link" || QFile::link(dir.filePath(u"nowhere.txt"_s), path));
        const std::optional<std::string> bytes = readPhraseFile(dir.path());
        QCOMPARE(bytes.has_value(), read);
        QCOMPARE(qint64(bytes.value_or(std::string()).size()), read ? size : 0);
    }

    // A file this user may not read is not read.
    void phraseFileUnreadable()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath(u"Tilde.txt"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(5));
        QVERIFY(file.setPermissions({}));
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ExeOther | QFile::ExeOwner));
        const int read = readAsNobody(dir.path());
        QVERIFY(QFile::setPermissions(dir.path(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QCOMPARE(read, 0);
    }

    // Each phrase that is not spaces only goes in at k = floor(u * (m + 1) / 2^53) of the m
    // already placed, for a draw u * 2^-53; u is random or the last one below a slot edge.
    void queueIsTheLiteralInsertion_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {0, 1, 2, 3, 63, 64, 65, 100, 129, 300, 4099})
            QTest::addRow("%d phrases", size) << size;
    }
    void queueIsTheLiteralInsertion()
    {
        QFETCH(int, size);
        std::mt19937_64 engine(size);
        QStringList source;
        QStringList expected;
        std::vector<double> draws;
        for (int i = 0; i < size; ++i) {
            source << (i % 7 == 3        ? QString(i % 3, u' ')
                           : i % 13 == 5 ? u"\t"_s
                                         : u" phrase %1"_s.arg(i % 50));
            const Wide m = expected.size() + 1;
            const Wide j = engine() % m + 1;
            const Wide u = i % 2 ? engine() >> 11 : ((j << 53) - 1) / m;
            if (i % 7 != 3) {
                draws.push_back(double(u) * 0x1.0p-53);
                expected.insert(qsizetype(u * m >> 53), source.last());
            }
        }
        std::vector<std::u16string> phrases;
        for (const QString &phrase : source)
            phrases.push_back(phrase.toStdU16String());
        std::size_t taken = 0;
        const auto drawGap = [&](std::size_t gaps) {
            return std::size_t(Wide(draws.at(taken++) * 0x1.0p53) * gaps >> 53);
        };
        QStringList queue;
        for (const std::uint32_t index : shuffledQueue(phrases, drawGap))
            queue << source[qsizetype(index)];
        QCOMPARE(queue, expected);
        QCOMPARE(taken, draws.size());
    }

    void shippedFile_data()
    {
        QTest::addColumn<QString>("set");
        QTest::newRow("sample") << QString();
        for (const char *set : Sets)
            QTest::newRow(set) << QString::fromLatin1(set);
    }
    void shippedFile()
    {
        QFETCH(QString, set);
        const QByteArray bytes =
            contents(set.isEmpty() ? u"data/Tilde.txt"_s : u"data/sets/%1/Tilde.txt"_s.arg(set));
        const QStringList phrases = phrasesOf(bytes);
        // Windows-1252 with CR LF, one phrase a line, each read back as written (tst_check
        // checks the letters and the spelling).
        QCOMPARE(phrases.join(u"\r\n"_s) + u"\r\n"_s,
                 qtext(decodeWindows1252(bytes.toStdString())));
        const qsizetype longest = set.isEmpty() ? 383 : 100;
        QStringList tooLong;
        for (const QString &phrase : phrases) {
            if (phrase.size() > longest)
                tooLong << phrase;
        }
        QCOMPARE(tooLong, QStringList());
    }

    // A set: 60 phrases at least, none twice, a quarter holding a word of the set's kind
    // that takes no accent (from set-plain-words.txt).
    void practiceSet_data()
    {
        QTest::addColumn<QString>("set");
        for (const char *set : Sets)
            QTest::newRow(set) << QString::fromLatin1(set);
    }
    void practiceSet()
    {
        QFETCH(QString, set);
        const QStringList phrases = phrasesOf(contents(u"data/sets/%1/Tilde.txt"_s.arg(set)));
        QVERIFY(phrases.size() >= 60);
        QCOMPARE(QStringList(phrases).removeDuplicates(), 0);
        const QRegularExpression line(u"^"_s + set + u": *(.+)$"_s,
                                      QRegularExpression::MultilineOption);
        const QStringList plain =
            line.match(QString::fromUtf8(contents(u"tests/set-plain-words.txt"_s)))
                .captured(1)
                .split(u' ', Qt::SkipEmptyParts);
        const QRegularExpression plainWord(u"(^|[^\\p{L}])("_s + plain.join(u'|')
                                               + u")($|[^\\p{L}])"_s,
                                           QRegularExpression::CaseInsensitiveOption);
        QVERIFY(!plain.isEmpty());
        QVERIFY(phrases.filter(plainWord).size() * 4 >= phrases.size());
    }

    void atLeastFourHundredInAllSets()
    {
        qsizetype total = 0;
        for (const char *set : Sets)
            total +=
                phrasesOf(contents(u"data/sets/%1/Tilde.txt"_s.arg(QLatin1StringView(set)))).size();
        QVERIFY(total >= 400);
    }
};

QTEST_GUILESS_MAIN(TestPhraseFile)
#include "tst_phraseFile.moc"
