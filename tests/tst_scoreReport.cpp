// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Judging an answer and writing the score report line with its band colour.
#include "answercheck.h"
#include "scorereport.h"

#include <QLocale>
#include <QTest>

#include <clocale>
#include <cmath>
#include <string>

using namespace Qt::StringLiterals;

constexpr uint Red = 0x0000FF, Yellow = 0x00FFFF, Green = 0x00FF00; // written 0xBBGGRR

class TestScoreReport : public QObject
{
    Q_OBJECT

private slots:
    void reportCaptionAndColour_data()
    {
        QTest::addColumn<quint64>("hits"); QTest::addColumn<quint64>("misses");
        QTest::addColumn<QString>("score"); QTest::addColumn<uint>("colour");
        auto row = [](const char *name, quint64 hits, quint64 misses, const char *score, uint colour) {
            QTest::newRow(name) << hits << misses << QString::fromLatin1(score) << colour;
        };
        row("3 of 4", 3, 1, "75", Yellow);
        row("2 of 3", 2, 1, "66.7", Yellow);
        row("1 of 3", 1, 2, "33.3", Red);
        row("0 of 1", 0, 1, "0", Red);
        row("1 of 1", 1, 0, "100", Green);
        row("exactly 80 is yellow", 4, 1, "80", Yellow);
        row("5 of 6", 5, 1, "83.3", Green);
        row("80.02 shows 80 in green", 801, 200, "80", Green);
        row("59.95 shows 60 in red", 241, 161, "60", Red);
        row("12.25 rounds half to even", 49, 351, "12.2", Red);
        // Large counts print in plain digits, with no separator or exponent.
        row("billions with the largest miss count", 9'999'999'999ULL, 32767, "100", Green);
    }
    void reportCaptionAndColour()
    {
        QFETCH(quint64, hits); QFETCH(quint64, misses); QFETCH(QString, score); QFETCH(uint, colour);
        const QString caption = u" Score :  %1% Shots :  %2 Hits   :  %3"_s.arg(score).arg(hits + misses).arg(hits);
        QCOMPARE(reportCaption(hits, misses), caption);
        QCOMPARE(uint(reportColour(scorePercent(hits, hits + misses))), colour);
    }

    // The colour follows the unrounded score, the text shows it to one decimal.
    void scoreTextAndBand_data()
    {
        QTest::addColumn<double>("score"); QTest::addColumn<QString>("text"); QTest::addColumn<uint>("colour");
        QTest::newRow("59.95") << 59.95 << u" 60"_s << Red;
        QTest::newRow("just under 60") << std::nextafter(60.0, 0.0) << u" 60"_s << Red;
        QTest::newRow("60") << 60.0 << u" 60"_s << Yellow;
        QTest::newRow("60.5") << 60.5 << u" 60.5"_s << Yellow;
        QTest::newRow("61") << 61.0 << u" 61"_s << Yellow;
        QTest::newRow("80") << 80.0 << u" 80"_s << Yellow;
        QTest::newRow("just over 80") << std::nextafter(80.0, 100.0) << u" 80"_s << Green;
        QTest::newRow("80.02") << 80.02 << u" 80"_s << Green;
        QTest::newRow("one half keeps its zero") << 0.5 << u" 0.5"_s << Red;
        QTest::newRow("exact half 0.75 to even") << 0.75 << u" 0.8"_s << Red;
        QTest::newRow("12.35 is stored below the half and rounds down") << 12.35 << u" 12.3"_s << Red;
    }
    void scoreTextAndBand()
    {
        QFETCH(double, score); QFETCH(QString, text); QFETCH(uint, colour);
        QCOMPARE(scoreText(score), text);
        QCOMPARE(uint(reportColour(score)), colour);
    }

    void captionIgnoresTheLocale()
    {
        const QLocale previous;
        const std::string previousC = std::setlocale(LC_ALL, nullptr);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        std::setlocale(LC_ALL, "de_DE.UTF-8"); // may be missing; the Qt default is German anyway
        const QString caption = reportCaption(2'000'001, 1'000'000);
        QLocale::setDefault(previous);
        std::setlocale(LC_ALL, previousC.c_str());
        QCOMPARE(caption, u" Score :  66.7% Shots :  3000001 Hits   :  2000001"_s);
    }

    void answerComparedExactly_data()
    {
        QTest::addColumn<QString>("answer"); QTest::addColumn<QString>("phrase");
        QTest::addColumn<bool>("boardFull"); QTest::addColumn<bool>("correct");
        const QString phrase = u"S\u00ED, se\u00F1or"_s;
        QTest::newRow("same characters") << phrase << phrase << false << true;
        QTest::newRow("accent missing") << u"Si, se\u00F1or"_s << phrase << false << false;
        QTest::newRow("case differs") << u"s\u00ED, se\u00F1or"_s << phrase << false << false;
        QTest::newRow("combining accent instead of precomposed")
            << u"Si\u0301, se\u00F1or"_s << phrase << false << false;
        // A phrase longer than the board: the tiles show its first 383 characters.
        const QString longPhrase = QString(u"abc\u00E1 "_s).repeated(80), shown = longPhrase.left(383);
        QTest::newRow("full board, first 383 characters") << shown << longPhrase << true << true;
        QTest::newRow("full board, one accent wrong")
            << QString(shown).replace(3, 1, u'a') << longPhrase << true << false;
        QTest::newRow("board not full, first 383 characters") << shown << longPhrase << false << false;
    }
    void answerComparedExactly()
    {
        QFETCH(QString, answer); QFETCH(QString, phrase); QFETCH(bool, boardFull); QFETCH(bool, correct);
        QCOMPARE(isCorrectAnswer(answer, phrase, boardFull, 383), correct);
    }

    void missesStopAtTheLargestCount()
    {
        QCOMPARE(addMiss(0), qint16(1));
        QCOMPARE(addMiss(32766), qint16(32767));
        QCOMPARE(addMiss(32767), qint16(32767));
    }
};

QTEST_GUILESS_MAIN(TestScoreReport)
#include "tst_scoreReport.moc"
