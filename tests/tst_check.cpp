// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// acutrix-check: the faults it finds in lines with faults planted in them, its spelling
// with Debian's Spanish dictionary, and the program itself on bad files, in Spanish and
// on the phrase files we ship.
#include "phrasechecker.h"
#include "spelldictionary.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

static QString kindName(FindingKind kind)
{
    static const char *const names[] = {"forbidden", "two accents", "untoggleable",
                                        "mojibake",  "unknown",     "too long",
                                        "joined",    "repeated",    "nothing to restore"};
    return QString::fromLatin1(names[int(kind)]);
}

// Whether nuspell reads Debian's Spanish dictionary here. Debian 13's hunspell-es uses
// affix flags above U+FFFF, which its nuspell cannot read: the checker then says so on
// standard error and checks everything but the spelling.
static bool spellingChecked()
{
    static const bool loads = SpellDictionary().load(SpellDictionary::defaultAffixFile());
    return loads;
}

// Each finding as "line:column kind".
static QStringList found(const QStringList &lines, SpellDictionary *dictionary = nullptr)
{
    std::vector<std::u16string> wide;
    for (const QString &line : lines)
        wide.push_back(line.toStdU16String());
    QStringList result;
    for (const Finding &finding : checkLines(wide, dictionary))
        result << u"%1:%2 %3"_s.arg(finding.line).arg(finding.column).arg(kindName(finding.kind));
    return result;
}

struct Run {
    int status = -1;
    QString out;
    QString err;
};

// English by default, in a UTF-8 locale: Qt 6.8 warns on standard error in any other.
static Run runChecker(const QStringList &arguments, const QString &language = u"C.UTF-8"_s)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"LC_ALL"_s);
    environment.remove(u"LC_MESSAGES"_s);
    environment.remove(u"LANGUAGE"_s);
    environment.insert(u"LANG"_s, language);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(ACUTRIX_CHECK), arguments);
    process.waitForFinished(60000);
    Run run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

static QString writeFile(const QTemporaryDir &dir, const QByteArray &bytes)
{
    const QString path = dir.filePath(u"Tilde.txt"_s);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

class TestCheck : public QObject
{
    Q_OBJECT

private slots:
    // Faults planted in lines, found at their line and column; spelling aside.
    void faults_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("findings");
        const QString longLine = u"Él"_s + u" a"_s.repeated(191);
        QTest::newRow("llana in n, accented")
            << QStringList{u"El crímen."_s} << QStringList{u"1:4 forbidden"_s};
        QTest::newRow("monosyllable, accented")
            << QStringList{u""_s, u"Lo vió Raúl."_s} << QStringList{u"2:4 forbidden"_s};
        QTest::newRow("aguda in l, accented")
            << QStringList{u"Un papél, ¿sí?"_s} << QStringList{u"1:4 forbidden"_s};
        QTest::newRow("hiatus, diacritics, rules")
            << QStringList{u"Él oyó a Raúl reír: «¿Qué?»"_s} << QStringList{};
        QTest::newRow("two accents")
            << QStringList{u"Un cáfé."_s} << QStringList{u"1:4 two accents"_s};
        QTest::newRow("decomposed, joined") << QStringList{u"Un cafe\u0301 y un te\u0301."_s}
                                            << QStringList{u"1:7 joined"_s, u"1:16 joined"_s};
        QTest::newRow("decomposed on n")
            << QStringList{u"Sí, n\u0301."_s} << QStringList{u"1:5 untoggleable"_s};
        QTest::newRow("grave") << QStringList{u"Está à la mode."_s}
                               << QStringList{u"1:6 untoggleable"_s};
        QTest::newRow("circumflex")
            << QStringList{u"Sí, ê."_s} << QStringList{u"1:5 untoggleable"_s};
        QTest::newRow("mojibake") << QStringList{u"Una canciÃ³n."_s}
                                  << QStringList{u"1:1 nothing to restore"_s, u"1:10 mojibake"_s};
        QTest::newRow("repeated, folded")
            << QStringList{u"Él está."_s, u"  Él   está. "_s} << QStringList{u"2:1 repeated"_s};
        QTest::newRow("nothing to restore") << QStringList{u"Hola."_s, u" "_s, u"Adiós."_s}
                                            << QStringList{u"1:1 nothing to restore"_s};
        QTest::newRow("too long") << QStringList{longLine} << QStringList{u"1:1 too long"_s};
        QTest::newRow("as long as the board") << QStringList{longLine.chopped(2)} << QStringList{};
        QTest::newRow("column after a surrogate pair")
            << QStringList{u"\U0001F600 vió"_s} << QStringList{u"1:3 forbidden"_s};
    }
    void faults()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, findings);
        QCOMPARE(found(lines), findings);
    }

    // An unknown word gets the dictionary's suggestions; an allowed one passes.
    void spelling()
    {
        SpellDictionary dictionary;
        if (!dictionary.load(SpellDictionary::defaultAffixFile()))
            QSKIP("Debian's Spanish dictionary (hunspell-es) is missing or unreadable to nuspell");
        dictionary.allow(u"Íñigo");
        QCOMPARE(found({u"Íñigo canta una canción."_s}, &dictionary), QStringList());
        QCOMPARE(found({u"Íñigo canta una cancion."_s}, &dictionary),
                 QStringList{u"1:17 unknown"_s});
        const std::vector<std::u16string> &suggestions = dictionary.suggestions(u"cancion");
        const auto match = std::find(suggestions.begin(), suggestions.end(), u"canción");
        QVERIFY(match != suggestions.end());
    }

    // A file that cannot be read, or holds control characters (binary bytes, NULs), gets a
    // line on stderr and exit status 2; a file that is not UTF-8 is read as Windows-1252,
    // and UTF-16 by its byte-order mark.
    void files_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("output");
        QTest::newRow("missing") << QByteArray() << u"missing"_s << 2 << QString();
        QTest::newRow("folder") << QByteArray() << u"folder"_s << 2 << QString();
        QTest::newRow("named pipe") << QByteArray() << u"pipe"_s << 2 << QString();
        QTest::newRow("over 64 MiB") << QByteArray() << u"huge"_s << 2 << QString();
        QTest::newRow("NUL bytes") << QByteArray(100, '\0') << u"file"_s << 2 << QString();
        QTest::newRow("binary") << QByteArray::fromHex("7f454c46020101") << u"file"_s << 2
                                << QString();
        QTest::newRow("Windows-1252")
            << "S\xED.\r\nEl cr\xEDmen.\r\n"_ba << u"file"_s << 1 << u":2:4: error: "_s;
        QTest::newRow("UTF-16 with its mark")
            << QByteArray::fromHex("fffe56006900f3002e00") << u"file"_s << 1 << u":1:1: error: "_s;
        QTest::newRow("UTF-16, odd byte count")
            << QByteArray::fromHex("fffe56006900f3") << u"file"_s << 2 << u": "_s;
        QTest::newRow("UTF-8, decomposed accent, joined")
            << QByteArray("Un cafe\xCC\x81.\n") << u"file"_s << 0 << u":1:7: note: "_s;
    }
    void files()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, kind);
        QFETCH(int, status);
        QFETCH(QString, output);
        QTemporaryDir dir;
        QString path = dir.filePath(u"Tilde.txt"_s);
        if (kind == u"folder")
            path = dir.path();
        else if (kind == u"pipe")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == u"file")
            QCOMPARE(writeFile(dir, bytes), path);
        else if (kind == u"huge")
            QVERIFY(QFile(writeFile(dir, {})).resize((64 << 20) + 1));
        const Run run = runChecker({path});
        QCOMPARE(run.status, status);
        QCOMPARE(run.err.isEmpty(), status != 2 && spellingChecked());
        // Either way, the lines start with the file's path.
        const QString &lines = status == 2 ? run.err : run.out;
        QVERIFY2(lines.startsWith(path + output), qPrintable(lines));
    }

    // The messages and explanations are Spanish in a Spanish locale, English otherwise.
    void language_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("line");
        QTest::newRow("English") << u"C"_s << QStringList() << u"takes no written accent"_s;
        QTest::newRow("Spanish") << u"es_ES.UTF-8"_s << QStringList() << u"no lleva tilde"_s;
        QTest::newRow("Mexican Spanish") << u"es_MX"_s << QStringList() << u"no lleva tilde"_s;
        QTest::newRow("English, explained")
            << u"en_GB.UTF-8"_s << QStringList{u"--explain"_s}
            << u"  canción: can-CIÓN, aguda ending in n: written accent\n"_s;
        QTest::newRow("Spanish, explained")
            << u"es_AR.UTF-8"_s << QStringList{u"--explain"_s}
            << u"  canción: can-CIÓN, aguda terminada en n: con tilde\n"_s;
    }
    void language()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, arguments);
        QFETCH(QString, line);
        QTemporaryDir dir;
        const QString path = writeFile(dir, "Una canci\xF3n de ayer, un cr\xEDmen.\r\n");
        const Run run = runChecker(arguments << path, language);
        QVERIFY2(run.out.contains(line), qPrintable(run.out));
    }

    // A line per word: the word, its syllables and the stressed one's place from the end.
    void syllables()
    {
        const Run run = runChecker({u"--syllables"_s, u"camión"_s, u"Pájaro"_s, u"guion"_s});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, u"camión\tca-mión\t1\nPájaro\tPá-ja-ro\t3\nguion\tguion\t1\n"_s);
    }

    // The sample and every set give no error and no warning (names in the allow-list).
    void shipped_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("sample") << u"data/Tilde.txt"_s;
        for (const char *set : {"diacritics", "questions", "last-syllable", "next-to-last",
                                "third-from-last", "hiatus"})
            QTest::newRow(set) << u"data/sets/%1/Tilde.txt"_s.arg(QLatin1StringView(set));
    }
    void shipped()
    {
        QFETCH(QString, path);
        const QString source = QStringLiteral(ACUTRIX_SOURCE_DIR "/");
        const Run run = runChecker(
            {u"--allow-words"_s, source + u"tests/spelling-allowlist.txt"_s, source + path});
        QCOMPARE(run.status, 0);
        QVERIFY2(!run.out.contains(u": warning: "_s), qPrintable(run.out));
        QCOMPARE(run.err.isEmpty(), spellingChecked());
    }
};

QTEST_GUILESS_MAIN(TestCheck)
#include "tst_check.moc"
