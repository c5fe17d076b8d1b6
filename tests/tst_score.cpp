// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The score's rules: the answer check, and the report of the score with its colour.
#include "answercheck.h"
#include "qtext.h"
#include "scorereport.h"

#include <QString>
#include <QTest>

#include <clocale>

using namespace Qt::StringLiterals;

// Written 0xBBGGRR.
constexpr uint Red = 0x0000FF;
constexpr uint Yellow = 0x00FFFF;
constexpr uint Green = 0x00FF00;

class TestScore : public QObject
{
    Q_OBJECT

private slots:
    // The report ignores the locale, a German or Spanish one with its decimal comma too.
    void initTestCase() { std::setlocale(LC_ALL, "de_DE.UTF-8"); }

    // The same characters, nothing trimmed; with every tile shown, the 383 that the tiles show.
    void answerComparedExactly_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<bool>("boardFull");
        QTest::addColumn<bool>("correct");
        const QString longPhrase = u"abcá "_s.repeated(80);
        QTest::newRow("the same") << u"Sí, señor"_s << u"Sí, señor"_s << false << true;
        QTest::newRow("an accent less") << u"Si, señor"_s << u"Sí, señor"_s << false << false;
        QTest::newRow("a capital less") << u"sí, señor"_s << u"Sí, señor"_s << false << false;
        QTest::newRow("a space more") << u"Sí, señor "_s << u"Sí, señor"_s << false << false;
        QTest::newRow("full board") << longPhrase.left(383) << longPhrase << true << true;
        QTest::newRow("not a full board") << longPhrase.left(383) << longPhrase << false << false;
    }
    void answerComparedExactly()
    {
        QFETCH(QString, answer);
        QFETCH(QString, phrase);
        QFETCH(bool, boardFull);
        QFETCH(bool, correct);
        QCOMPARE(isCorrectAnswer(answer.toStdU16String(), phrase.toStdU16String(), boardFull, 383),
                 correct);
    }

    // Red below 60, yellow from 60 to 80, green above, by the unrounded score; the text
    // rounds it to one decimal, an exact half to the even digit, and gives the shots (hits
    // and misses) and the hits in plain digits.
    void report_data()
    {
        QTest::addColumn<quint64>("hits");
        QTest::addColumn<quint64>("misses");
        QTest::addColumn<QString>("score");
        QTest::addColumn<uint>("colour");
        QTest::newRow("75 is yellow") << 3ull << 1ull << u"75"_s << Yellow;
        QTest::newRow("66.7") << 2ull << 1ull << u"66.7"_s << Yellow;
        QTest::newRow("33.3 is red") << 1ull << 2ull << u"33.3"_s << Red;
        QTest::newRow("0") << 0ull << 1ull << u"0"_s << Red;
        QTest::newRow("100 is green") << 1ull << 0ull << u"100"_s << Green;
        QTest::newRow("exactly 60 is yellow") << 3ull << 2ull << u"60"_s << Yellow;
        QTest::newRow("exactly 80 is yellow") << 4ull << 1ull << u"80"_s << Yellow;
        QTest::newRow("83.3 is green") << 5ull << 1ull << u"83.3"_s << Green;
        QTest::newRow("80.02 shows 80 in green") << 801ull << 200ull << u"80"_s << Green;
        QTest::newRow("59.95 shows 60 in red") << 241ull << 161ull << u"60"_s << Red;
        QTest::newRow("12.25 to even") << 49ull << 351ull << u"12.2"_s << Red;
        QTest::newRow("12.35 is stored below") << 247ull << 1753ull << u"12.3"_s << Red;
        QTest::newRow("0.75 to the even digit, up") << 3ull << 397ull << u"0.8"_s << Red;
        QTest::newRow("one half keeps its zero") << 1ull << 199ull << u"0.5"_s << Red;
        QTest::newRow("below a twentieth") << 1ull << 2999ull << u"0"_s << Red;
        QTest::newRow("plain digits") << 2000001ull << 1000000ull << u"66.7"_s << Yellow;
    }
    void report()
    {
        QFETCH(quint64, hits);
        QFETCH(quint64, misses);
        QFETCH(QString, score);
        QFETCH(uint, colour);
        const QString caption = u" Score :  %1% Shots :  %2 Hits   :  %3"_s;
        QCOMPARE(qtext(reportCaption(hits, misses)),
                 caption.arg(score, QString::number(hits + misses), QString::number(hits)));
        QCOMPARE(uint(reportColour(scorePercent(hits, hits + misses))), colour);
    }
};

QTEST_GUILESS_MAIN(TestScore)
#include "tst_score.moc"
