// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The phrase files we ship: the sample and the practice sets, read with the program's
// own reader. Their spelling is checked by spellcheck.sh.
#include "phrasefile.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

static const QString Data = QStringLiteral(ACUTRIX_SOURCE_DIR "/data/");

// The words of each set's kind that take no accent, from set-plain-words.txt.
static QHash<QString, QSet<QString>> plainWords()
{
    QHash<QString, QSet<QString>> words;
    QFile file(QStringLiteral(ACUTRIX_SOURCE_DIR "/tests/set-plain-words.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return words;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        const qsizetype colon = line.indexOf(u':');
        if (!line.startsWith(u'#') && colon > 0) {
            const QStringList list = line.mid(colon + 1).split(u' ', Qt::SkipEmptyParts);
            words.insert(line.left(colon), QSet<QString>(list.begin(), list.end()));
        }
    }
    return words;
}

class TestPhraseSets : public QObject
{
    Q_OBJECT

private slots:
    void phraseFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("sample") << QString();
        for (const char *set : {"diacritics", "questions", "last-syllable", "next-to-last", "third-from-last", "hiatus"})
            QTest::newRow(set) << QString::fromLatin1(set);
    }
    void phraseFile()
    {
        QFETCH(QString, name);
        QFile file(Data + (name.isEmpty() ? QString() : u"sets/"_qs + name + u'/') + u"Tilde.txt"_qs);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const QStringList phrases = parsePhrases(bytes);

        // Windows-1252 with CR LF, one phrase a line, each phrase read back as written.
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(phrases.size(), bytes.count("\r\n"));
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        QCOMPARE(phrases.join(u"\r\n"_qs) + u"\r\n"_qs, decodeWindows1252(bytes));

        // Every accented letter is one the game knows; ñ and ü carry no acute accent.
        static const QString known = u"áéíóúÁÉÍÓÚñÑüÜ"_qs;
        for (const QString &phrase : phrases) {
            QVERIFY2(phrase.size() <= 383, qPrintable(phrase));
            for (QChar c : phrase)
                QVERIFY2(c.decompositionTag() != QChar::Canonical || known.contains(c), qPrintable(phrase));
        }
        if (name.isEmpty())
            return;

        // A set: at least 60 phrases, none twice, up to about 90 characters, and at
        // least a quarter holding a word of the set's kind that takes no accent.
        QVERIFY(phrases.size() >= 60);
        QCOMPARE(QSet<QString>(phrases.begin(), phrases.end()).size(), phrases.size());
        const QSet<QString> plain = plainWords().value(name);
        QVERIFY(!plain.isEmpty());
        qsizetype withPlainWord = 0;
        static const QRegularExpression nonLetters(QStringLiteral("[^\\p{L}]+"));
        for (const QString &phrase : phrases) {
            QVERIFY2(phrase.size() <= 100, qPrintable(phrase));
            const QStringList words = phrase.toLower().split(nonLetters, Qt::SkipEmptyParts);
            withPlainWord += std::any_of(words.begin(), words.end(), [&](const QString &w) { return plain.contains(w); });
        }
        QVERIFY2(withPlainWord * 4 >= phrases.size(), qPrintable(QString::number(withPlainWord)));
    }

    void atLeastFourHundredInAllSets()
    {
        qsizetype total = 0;
        for (const char *set : {"diacritics", "questions", "last-syllable", "next-to-last", "third-from-last", "hiatus"}) {
            QFile file(Data + u"sets/"_qs + QString::fromLatin1(set) + u"/Tilde.txt"_qs);
            QVERIFY(file.open(QIODevice::ReadOnly));
            total += parsePhrases(file.readAll()).size();
        }
        QVERIFY(total >= 400);
    }
};

QTEST_GUILESS_MAIN(TestPhraseSets)
#include "tst_phraseSets.moc"
