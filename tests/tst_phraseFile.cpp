// Reading the phrase file: finding it, decoding its bytes, splitting and folding its lines.
#include "phrasefile.h"
#include "slim.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

static void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

class TestPhraseFile : public QObject
{
    Q_OBJECT

private slots:
    void slimFoldsOnlySpaces_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("runs of spaces inside and at the ends") << u"  ab   cd  "_s << u"ab cd"_s;
        QTest::newRow("all spaces") << u"    "_s << QString();
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("tabs stay") << u" \ta\t\tb\t "_s << u"\ta\t\tb\t"_s;
        QTest::newRow("no-break spaces stay") << u"\u00A0\u00A0a\u00A0\u00A0"_s << u"\u00A0\u00A0a\u00A0\u00A0"_s;
        QTest::newRow("line feeds stay") << u"a\n\nb"_s << u"a\n\nb"_s;
        QTest::newRow("space runs around a tab fold on each side") << u"a  \t  b"_s << u"a \t b"_s;
    }
    void slimFoldsOnlySpaces()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(Slim(text), expected);
    }

    void linesBecomePhrases_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("phrases");
        const QStringList three = {u"uno"_s, u"dos"_s, u"tres"_s};
        QTest::newRow("CR line ends") << u"uno\rdos\rtres\r"_s << three;
        QTest::newRow("CR LF line ends") << u"uno\r\ndos\r\ntres\r\n"_s << three;
        QTest::newRow("LF line ends") << u"uno\ndos\ntres\n"_s << three;
        QTest::newRow("mixed line ends") << u"uno\r\ndos\ntres\r"_s << three;
        QTest::newRow("last line without line end") << u"uno\r\ndos\r\ntres"_s << three;
        QTest::newRow("LF CR is two line ends") << u"uno\n\rdos\n\rtres"_s << three;
        QTest::newRow("CR CR LF is a blank line between") << u"uno\r\r\ndos\r\r\ntres"_s << three;
        QTest::newRow("blank and all-space lines skipped")
            << u"\r\nuno\r\n\r\n   \r\n dos \r\n \r\ntres\r\n\r\n"_s << three;
        QTest::newRow("spaces folded") << u"  ab   cd  \r\n"_s << QStringList{u"ab cd"_s};
        QTest::newRow("tab-only line kept") << u"uno\r\n\t\r\ndos"_s << QStringList{u"uno"_s, u"\t"_s, u"dos"_s};
        QTest::newRow("duplicates kept in order")
            << u"b\na\nb\n  b  \n"_s << QStringList{u"b"_s, u"a"_s, u"b"_s, u"b"_s};
        QTest::newRow("empty text") << QString() << QStringList{};
        QTest::newRow("line ends only") << u"\r\n\n\r"_s << QStringList{};
    }
    void linesBecomePhrases()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, phrases);
        QCOMPARE(phrasesFromText(text), phrases);
        QCOMPARE(parsePhrases(text.toLatin1()), phrases); // the same text as bytes
    }

    void encodingsGiveTheSamePhrases_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        // Lines: "áéíóú ÁÉÍÓÚ", "Camión", "ñandú".
        QTest::newRow("Windows-1252, CR LF")
            << "\xE1\xE9\xED\xF3\xFA \xC1\xC9\xCD\xD3\xDA\r\nCami\xF3n\r\n\xF1" "and\xFA\r\n"_ba;
        QTest::newRow("Windows-1252, CR, no last line end")
            << "\xE1\xE9\xED\xF3\xFA \xC1\xC9\xCD\xD3\xDA\rCami\xF3n\r\xF1" "and\xFA"_ba;
        const QByteArray utf8 = "\xC3\xA1\xC3\xA9\xC3\xAD\xC3\xB3\xC3\xBA \xC3\x81\xC3\x89\xC3\x8D\xC3\x93\xC3\x9A\n"
                                "Cami\xC3\xB3n\n\xC3\xB1" "and\xC3\xBA\n"_ba;
        QTest::newRow("UTF-8, LF") << utf8;
        QTest::newRow("UTF-8 with byte-order mark, LF") << "\xEF\xBB\xBF"_ba + utf8;
        QTest::newRow("UTF-8 with byte-order mark, CR LF") << "\xEF\xBB\xBF"_ba + QByteArray(utf8).replace("\n", "\r\n");
    }
    void encodingsGiveTheSamePhrases()
    {
        QFETCH(QByteArray, bytes);
        const QStringList expected = {u"\u00E1\u00E9\u00ED\u00F3\u00FA \u00C1\u00C9\u00CD\u00D3\u00DA"_s,
                                      u"Cami\u00F3n"_s, u"\u00F1and\u00FA"_s};
        QCOMPARE(parsePhrases(bytes), expected);
    }

    void invalidUtf8DecodesAsWindows1252_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("lone E1") << "a\xE1" "b"_ba << u"a\u00E1b"_s;
        QTest::newRow("valid sequence then a lone byte") << "\xC3\xA1 \xE9"_ba << u"\u00C3\u00A1 \u00E9"_s;
        QTest::newRow("overlong C0 80") << "\xC3\xA1\xC0\x80"_ba << u"\u00C3\u00A1\u00C0\u20AC"_s;
        QTest::newRow("encoded surrogate ED A0 80") << "x\xED\xA0\x80"_ba << u"x\u00ED\u00A0\u20AC"_s;
        QTest::newRow("beyond U+10FFFF") << "\xF4\x90\x80\x80"_ba << u"\u00F4\u0090\u20AC\u20AC"_s;
        QTest::newRow("truncated at the end") << "\xC3\xA1\xC3"_ba << u"\u00C3\u00A1\u00C3"_s;
        QTest::newRow("stray continuation byte") << "\xA1" "bc"_ba << u"\u00A1bc"_s;
    }
    void invalidUtf8DecodesAsWindows1252()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(decodePhraseText(bytes), text);
    }

    void asciiDecodesTheSameEitherWay()
    {
        QByteArray ascii;
        for (int byte = 1; byte < 0x80; ++byte)
            ascii.append(char(byte));
        const QString expected = QString::fromLatin1(ascii);
        QCOMPARE(decodePhraseText(ascii), expected);
        QCOMPARE(decodeWindows1252(ascii), expected);
        // A byte-order mark alone is dropped and leaves no phrase.
        QCOMPARE(decodePhraseText("\xEF\xBB\xBFhola"_ba), u"hola"_s);
        QCOMPARE(parsePhrases("\xEF\xBB\xBF"_ba), QStringList{});
    }

    void windows1252HighBytes()
    {
        // 0x80 to 0x9F as Windows-1252 defines them; 81, 8D, 8F, 90 and 9D are undefined
        // there and keep their own value.
        const char16_t high[32] = {
            0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
        };
        QByteArray all;
        QString expected;
        for (int byte = 0; byte < 256; ++byte) {
            all.append(char(byte));
            expected.append(QChar(byte >= 0x80 && byte < 0xA0 ? high[byte - 0x80] : char16_t(byte)));
        }
        QCOMPARE(decodeWindows1252(all), expected);
    }

    void phraseFileFoundByName_data()
    {
        // Each file holds its own name, so the bytes read tell which file was chosen.
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("exact name") << QStringList{u"Tilde.txt"_s} << u"Tilde.txt"_s;
        QTest::newRow("other case without the exact name")
            << QStringList{u"Tildes.txt"_s, u"Tilde.TXT"_s} << u"Tilde.TXT"_s;
        QTest::newRow("exact name preferred")
            << QStringList{u"TILDE.TXT"_s, u"Tilde.TXT"_s, u"Tilde.txt"_s} << u"Tilde.txt"_s;
        QTest::newRow("similar names only") << QStringList{u"Tilde.txt.bak"_s, u"Tilde"_s} << QString();
        QTest::newRow("empty folder") << QStringList{} << QString();
    }
    void phraseFileFoundByName()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, chosen);
        QTemporaryDir dir;
        for (const QString &name : files)
            writeFile(dir.filePath(name), name.toLatin1());
        QCOMPARE(QFileInfo(locatePhraseFile(dir.path())).fileName(), chosen);
        const std::optional<QByteArray> bytes = readPhraseFile(dir.path());
        QCOMPARE(bytes.has_value(), !chosen.isEmpty());
        if (bytes)
            QCOMPARE(*bytes, chosen.toLatin1());
    }

    void emptyFileIsRead()
    {
        // An empty file is a file of no phrases, not a failure.
        QTemporaryDir dir;
        writeFile(dir.filePath(u"Tilde.txt"_s), QByteArray());
        QCOMPARE(readPhraseFile(dir.path()), std::optional<QByteArray>(QByteArray()));
    }

    void folderOrOversizedFileRefused()
    {
        QTemporaryDir dir;
        QCOMPARE(readPhraseFile(dir.filePath(u"no such folder"_s)), std::nullopt);
        QVERIFY(QDir(dir.path()).mkdir(u"Tilde.txt"_s));
        QCOMPARE(readPhraseFile(dir.path()), std::nullopt);

        QTemporaryDir big;
        QFile file(big.filePath(u"Tilde.txt"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(MaxPhraseFileBytes + 1)); // sparse: takes no disk
        file.close();
        QCOMPARE(readPhraseFile(big.path()), std::nullopt);
    }

    void readingLeavesTheFileAsItWas()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Tilde.txt"_s);
        const QByteArray content = "Cami\xF3n\r\n\r\n  dos  \r\n"_ba;
        const QDateTime modified(QDate(2001, 2, 3), QTime(4, 5, 6), Qt::UTC);
        writeFile(path, content);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
        file.close();

        QCOMPARE(readPhraseFile(dir.path()), std::optional<QByteArray>(content));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), content);
        QCOMPARE(QFileInfo(path).lastModified().toUTC(), modified);
    }
};

QTEST_GUILESS_MAIN(TestPhraseFile)
#include "tst_phraseFile.moc"
