// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading the phrase file: finding it, decoding its bytes, splitting and folding its lines.
#include "phrasefile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestPhraseFile : public QObject
{
    Q_OBJECT

private slots:
    // Lines end at CR, LF or CR LF; each is folded with Slim, which merges runs of spaces
    // (U+0020 only) and drops them at the ends, and empty results are left out.
    void linesBecomePhrases_data()
    {
        QTest::addColumn<QString>("text"); QTest::addColumn<QStringList>("phrases");
        auto row = [](const char *name, const QString &text, const QStringList &phrases) {
            QTest::newRow(name) << text << phrases;
        };
        const QStringList three = {u"uno"_s, u"dos"_s, u"tres"_s};
        row("CR line ends", u"uno\rdos\rtres\r"_s, three);
        row("LF line ends", u"uno\ndos\ntres\n"_s, three);
        row("CR LF line ends", u"uno\r\ndos\r\ntres\r\n"_s, three);
        row("last line without line end", u"uno\r\ndos\r\ntres"_s, three);
        row("blank and all-space lines skipped", u"\r\nuno\r\n\r\n   \r\n dos \r\n \r\ntres\r\n\r\n"_s, three);
        row("line ends only", u"\r\n\n\r"_s, {});
        row("tab-only line kept", u"uno\r\n\t\r\ndos"_s, {u"uno"_s, u"\t"_s, u"dos"_s});
        row("duplicates kept in order", u"b\na\nb\n  b  \n"_s, {u"b"_s, u"a"_s, u"b"_s, u"b"_s});
        row("runs of spaces folded", u"  ab   cd  \r\n"_s, {u"ab cd"_s});
        row("space runs around a tab fold on each side", u"a  \t  b"_s, {u"a \t b"_s});
        row("tabs stay", u" \ta\t\tb\t "_s, {u"\ta\t\tb\t"_s});
        row("no-break spaces stay", u"\u00A0 a  \u00A0"_s, {u"\u00A0 a \u00A0"_s});
    }
    void linesBecomePhrases()
    {
        QFETCH(QString, text); QFETCH(QStringList, phrases);
        // The same text as bytes, in each encoding.
        QCOMPARE(parsePhrases(text.toLatin1()), phrases);
        QCOMPARE(parsePhrases(text.toUtf8()), phrases);
    }

    // Valid UTF-8 (with or without a byte-order mark) is read as UTF-8, anything else as
    // Windows-1252, byte by byte.
    void bytesDecodeToPhrases_data()
    {
        QTest::addColumn<QByteArray>("bytes"); QTest::addColumn<QStringList>("phrases");
        const QStringList sample = {u"\u00E1\u00E9\u00ED\u00F3\u00FA \u00C1\u00C9\u00CD\u00D3\u00DA"_s,
                                    u"Cami\u00F3n"_s, u"\u00F1and\u00FA"_s};
        const QByteArray utf8 = "\xC3\xA1\xC3\xA9\xC3\xAD\xC3\xB3\xC3\xBA \xC3\x81\xC3\x89\xC3\x8D\xC3\x93\xC3\x9A\n"
                                "Cami\xC3\xB3n\n\xC3\xB1" "and\xC3\xBA\n"_ba;
        QTest::newRow("Windows-1252")
            << "\xE1\xE9\xED\xF3\xFA \xC1\xC9\xCD\xD3\xDA\r\nCami\xF3n\r\n\xF1" "and\xFA"_ba << sample;
        QTest::newRow("UTF-8") << utf8 << sample;
        QTest::newRow("UTF-8 with byte-order mark") << "\xEF\xBB\xBF"_ba + utf8 << sample;
        QTest::newRow("byte-order mark alone") << "\xEF\xBB\xBF"_ba << QStringList{};
        auto invalid = [](const char *name, const QByteArray &bytes, const QString &text) {
            QTest::newRow(name) << bytes << QStringList{text};
        };
        invalid("valid UTF-8 then a lone byte", "\xC3\xA1 \xE9"_ba, u"\u00C3\u00A1 \u00E9"_s);
        invalid("overlong C0 80", "\xC3\xA1\xC0\x80"_ba, u"\u00C3\u00A1\u00C0\u20AC"_s);
        invalid("encoded surrogate ED A0 80", "x\xED\xA0\x80"_ba, u"x\u00ED\u00A0\u20AC"_s);
        invalid("truncated at the end", "\xC3\xA1\xC3"_ba, u"\u00C3\u00A1\u00C3"_s);
    }
    void bytesDecodeToPhrases()
    {
        QFETCH(QByteArray, bytes); QFETCH(QStringList, phrases);
        QCOMPARE(parsePhrases(bytes), phrases);
    }

    void windows1252EveryByte()
    {
        // Compared with the system's Windows-1252 decoder; the five bytes that the code page
        // leaves undefined keep their own value.
        QStringDecoder reference("windows-1252");
        QVERIFY(reference.isValid());
        QByteArray all;
        for (int byte = 0; byte < 256; ++byte)
            all.append(char(byte));
        QString expected = reference.decode(all);
        for (const int byte : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
            expected[byte] = QChar(byte);
        QCOMPARE(decodeWindows1252(all), expected);
    }

    void phraseFileFoundAndRead_data()
    {
        // Each file holds its own name, so the bytes read tell which file was chosen.
        QTest::addColumn<QString>("files"); QTest::addColumn<QString>("chosen"); QTest::addColumn<bool>("oversized");
        QTest::newRow("other case without the exact name") << u"Tildes.txt Tilde.TXT"_s << u"Tilde.TXT"_s << false;
        QTest::newRow("exact name preferred") << u"TILDE.TXT Tilde.TXT Tilde.txt"_s << u"Tilde.txt"_s << false;
        QTest::newRow("similar names only") << u"Tilde.txt.bak Tilde"_s << QString() << false;
        QTest::newRow("found but larger than the limit") << u"Tilde.txt"_s << u"Tilde.txt"_s << true;
    }
    void phraseFileFoundAndRead()
    {
        QFETCH(QString, files); QFETCH(QString, chosen); QFETCH(bool, oversized);
        QTemporaryDir dir;
        for (const QString &name : files.split(u' ')) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(name.toLatin1()) == name.size());
        }
        if (oversized) // sparse: takes no disk
            QVERIFY(QFile::resize(dir.filePath(chosen), MaxPhraseFileBytes + 1));
        QCOMPARE(QFileInfo(locatePhraseFile(dir.path())).fileName(), chosen);
        const std::optional<QByteArray> bytes = readPhraseFile(dir.path());
        QCOMPARE(bytes.has_value(), !chosen.isEmpty() && !oversized);
        QCOMPARE(bytes.value_or(QByteArray()), oversized ? QByteArray() : chosen.toLatin1());
    }
};

QTEST_GUILESS_MAIN(TestPhraseFile)
#include "tst_phraseFile.moc"
