// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The score without widgets: the answer check, and the report of the score with its colour.
#include "answercheck.h"
#include "scorereport.h"

#include <QLocale>
#include <QTest>

using namespace Qt::StringLiterals;

// Written 0xBBGGRR.
constexpr uint Red = 0x0000FF;
constexpr uint Yellow = 0x00FFFF;
constexpr uint Green = 0x00FF00;

class TestScore : public QObject
{
    Q_OBJECT

private slots:
    // The report ignores the locale.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German)); }

    // The same characters, nothing trimmed; with every tile shown, the 383 that the tiles show.
    void answerComparedExactly()
    {
        const QString phrase = u"Sí, señor"_s;
        const QString longPhrase = u"abcá "_s.repeated(80);
        QVERIFY(isCorrectAnswer(phrase, phrase, false, 383));
        QVERIFY(!isCorrectAnswer(u"Si, señor"_s, phrase, false, 383));
        QVERIFY(!isCorrectAnswer(u"sí, señor"_s, phrase, false, 383));
        QVERIFY(isCorrectAnswer(longPhrase.left(383), longPhrase, true, 383));
        QVERIFY(!isCorrectAnswer(longPhrase.left(383), longPhrase, false, 383));
    }

    // Red below 60, yellow from 60 to 80, green above, by the unrounded score; the text
    // rounds to one decimal, an exact half to the even digit.
    void report_data()
    {
        QTest::addColumn<quint64>("hits");
        QTest::addColumn<quint64>("misses");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<uint>("colour");
        QTest::newRow("exactly 60 is yellow")
            << 3ull << 2ull << u" Score :  60% Shots :  5 Hits   :  3"_s << Yellow;
        QTest::newRow("exactly 80 is yellow")
            << 4ull << 1ull << u" Score :  80% Shots :  5 Hits   :  4"_s << Yellow;
        QTest::newRow("80.02 shows 80 in green")
            << 801ull << 200ull << u" Score :  80% Shots :  1001 Hits   :  801"_s << Green;
        QTest::newRow("59.95 shows 60 in red")
            << 241ull << 161ull << u" Score :  60% Shots :  402 Hits   :  241"_s << Red;
        QTest::newRow("12.25 to even")
            << 49ull << 351ull << u" Score :  12.2% Shots :  400 Hits   :  49"_s << Red;
        QTest::newRow("12.35 is stored below")
            << 247ull << 1753ull << u" Score :  12.3% Shots :  2000 Hits   :  247"_s << Red;
        QTest::newRow("one half keeps its zero")
            << 1ull << 199ull << u" Score :  0.5% Shots :  200 Hits   :  1"_s << Red;
        QTest::newRow("plain digits")
            << 2000001ull << 1000000ull << u" Score :  66.7% Shots :  3000001 Hits   :  2000001"_s
            << Yellow;
    }
    void report()
    {
        QFETCH(quint64, hits);
        QFETCH(quint64, misses);
        QFETCH(QString, caption);
        QFETCH(uint, colour);
        QCOMPARE(reportCaption(hits, misses), caption);
        QCOMPARE(uint(reportColour(scorePercent(hits, hits + misses))), colour);
    }
};

QTEST_GUILESS_MAIN(TestScore)
#include "tst_score.moc"
