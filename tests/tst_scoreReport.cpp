// Judging an answer and writing the score report line with its band colour.
#include "answercheck.h"
#include "scorereport.h"

#include <QLocale>
#include <QTest>

#include <clocale>
#include <string>

using namespace Qt::StringLiterals;

constexpr std::uint32_t Red = 0x0000FF;
constexpr std::uint32_t Yellow = 0x00FFFF;
constexpr std::uint32_t Green = 0x00FF00;

class TestScoreReport : public QObject
{
    Q_OBJECT

private slots:
    void reportCaptionAndColour_data()
    {
        QTest::addColumn<quint64>("hits");
        QTest::addColumn<quint64>("misses");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<uint>("colour");
        auto row = [](const char *name, quint64 hits, quint64 misses, const QString &caption, uint colour) {
            QTest::newRow(name) << hits << misses << caption << colour;
        };
        row("3 of 4", 3, 1, u" Score :  75% Shots :  4 Hits   :  3"_s, Yellow);
        row("2 of 3", 2, 1, u" Score :  66.7% Shots :  3 Hits   :  2"_s, Yellow);
        row("1 of 3", 1, 2, u" Score :  33.3% Shots :  3 Hits   :  1"_s, Red);
        row("0 of 1", 0, 1, u" Score :  0% Shots :  1 Hits   :  0"_s, Red);
        row("1 of 1", 1, 0, u" Score :  100% Shots :  1 Hits   :  1"_s, Green);
        row("exactly 80 is yellow", 4, 1, u" Score :  80% Shots :  5 Hits   :  4"_s, Yellow);
        row("5 of 6", 5, 1, u" Score :  83.3% Shots :  6 Hits   :  5"_s, Green);
        row("exactly 61 is yellow", 61, 39, u" Score :  61% Shots :  100 Hits   :  61"_s, Yellow);
        row("80.02 shows 80 in green", 801, 200, u" Score :  80% Shots :  1001 Hits   :  801"_s, Green);
        row("59.95 shows 60 in red", 241, 161, u" Score :  60% Shots :  402 Hits   :  241"_s, Red);
        row("12.25 rounds half to even", 49, 351, u" Score :  12.2% Shots :  400 Hits   :  49"_s, Red);
        row("below 1 keeps its zero", 1, 199, u" Score :  0.5% Shots :  200 Hits   :  1"_s, Red);
        row("60.5 is yellow", 121, 79, u" Score :  60.5% Shots :  200 Hits   :  121"_s, Yellow);
        // Large counts print in plain digits, with no separator or exponent.
        row("billions", 4'000'000'000ULL, 1'000'000'000ULL,
            u" Score :  80% Shots :  5000000000 Hits   :  4000000000"_s, Yellow);
        row("billions with the largest miss count", 9'999'999'999ULL, 32767,
            u" Score :  100% Shots :  10000032766 Hits   :  9999999999"_s, Green);
    }
    void reportCaptionAndColour()
    {
        QFETCH(quint64, hits);
        QFETCH(quint64, misses);
        QFETCH(QString, caption);
        QFETCH(uint, colour);
        QCOMPARE(reportCaption(hits, misses), caption);
        QCOMPARE(uint(reportColour(scorePercent(hits, hits + misses))), colour);
    }

    void colourBandEdges_data()
    {
        QTest::addColumn<double>("score");
        QTest::addColumn<uint>("colour");
        QTest::newRow("59.95") << 59.95 << uint(Red);
        QTest::newRow("just under 60") << std::nextafter(60.0, 0.0) << uint(Red);
        QTest::newRow("60") << 60.0 << uint(Yellow);
        QTest::newRow("60.5") << 60.5 << uint(Yellow);
        QTest::newRow("61") << 61.0 << uint(Yellow);
        QTest::newRow("80") << 80.0 << uint(Yellow);
        QTest::newRow("just over 80") << std::nextafter(80.0, 100.0) << uint(Green);
        QTest::newRow("80.02") << 80.02 << uint(Green);
    }
    void colourBandEdges()
    {
        QFETCH(double, score);
        QFETCH(uint, colour);
        QCOMPARE(uint(reportColour(score)), colour);
    }

    void scoreRoundedToOneDecimal_data()
    {
        QTest::addColumn<double>("score");
        QTest::addColumn<QString>("text");
        QTest::newRow("one half") << 0.5 << u" 0.5"_s;
        QTest::newRow("one tenth") << 0.1 << u" 0.1"_s;
        QTest::newRow("below a twentieth shows 0") << 0.04 << u" 0"_s;
        QTest::newRow("zero") << 0.0 << u" 0"_s;
        QTest::newRow("75") << 75.0 << u" 75"_s;
        QTest::newRow("100") << 100.0 << u" 100"_s;
        QTest::newRow("two thirds") << 200.0 / 3.0 << u" 66.7"_s;
        QTest::newRow("exact half 12.25 to even") << 12.25 << u" 12.2"_s;
        QTest::newRow("exact half 0.75 to even") << 0.75 << u" 0.8"_s;
        // 12.35 is stored a little below the half, so it rounds down.
        QTest::newRow("12.35 as stored") << 12.35 << u" 12.3"_s;
        QTest::newRow("rounds up to a whole number") << 99.96 << u" 100"_s;
        QTest::newRow("79.99 shows 80") << 79.99 << u" 80"_s;
    }
    void scoreRoundedToOneDecimal()
    {
        QFETCH(double, score);
        QFETCH(QString, text);
        QCOMPARE(scoreText(score), text);
    }

    void captionIgnoresTheLocale()
    {
        const QLocale previous;
        const std::string previousC = std::setlocale(LC_ALL, nullptr);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        std::setlocale(LC_ALL, "de_DE.UTF-8"); // may be missing; the Qt default is German anyway
        const QString caption = reportCaption(2'000'001, 1'000'000);
        const QString half = scoreText(0.5);
        QLocale::setDefault(previous);
        std::setlocale(LC_ALL, previousC.c_str());
        QCOMPARE(caption, u" Score :  66.7% Shots :  3000001 Hits   :  2000001"_s);
        QCOMPARE(half, u" 0.5"_s);
    }

    void answerComparedExactly_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<bool>("boardFull");
        QTest::addColumn<bool>("correct");
        const QString phrase = u"S\u00ED, se\u00F1or"_s;
        QTest::newRow("same characters") << phrase << phrase << false << true;
        QTest::newRow("accent missing") << u"Si, se\u00F1or"_s << phrase << false << false;
        QTest::newRow("accent too many") << u"S\u00ED, s\u00E9\u00F1or"_s << phrase << false << false;
        QTest::newRow("case differs") << u"s\u00ED, se\u00F1or"_s << phrase << false << false;
        QTest::newRow("trailing space in answer") << phrase + u' ' << phrase << false << false;
        QTest::newRow("trailing space in phrase") << phrase << phrase + u' ' << false << false;
        QTest::newRow("combining accent instead of precomposed")
            << u"Si\u0301, se\u00F1or"_s << phrase << false << false;
        QTest::newRow("empty answer") << QString() << phrase << false << false;

        // A phrase longer than the board: the tiles show its first 383 characters.
        QString longPhrase;
        for (int i = 0; i < 400; ++i)
            longPhrase += QChar(u"abc\u00E1 "[i % 5]);
        const QString shown = longPhrase.left(383);
        QTest::newRow("full board, first 383 characters") << shown << longPhrase << true << true;
        QTest::newRow("full board, whole phrase is longer than the tiles") << longPhrase << longPhrase << true << false;
        QString wrongAccent = shown;
        wrongAccent[3] = u'a';
        QTest::newRow("full board, one accent wrong") << wrongAccent << longPhrase << true << false;
        QTest::newRow("board not full, first 383 characters") << shown << longPhrase << false << false;
        QTest::newRow("full board, phrase of exactly 383") << shown << shown << true << true;
    }
    void answerComparedExactly()
    {
        QFETCH(QString, answer);
        QFETCH(QString, phrase);
        QFETCH(bool, boardFull);
        QFETCH(bool, correct);
        QCOMPARE(isCorrectAnswer(answer, phrase, boardFull, 383), correct);
    }

    void missesStopAtTheLargestCount()
    {
        QCOMPARE(addMiss(0), qint16(1));
        QCOMPARE(addMiss(41), qint16(42));
        QCOMPARE(addMiss(32766), qint16(32767));
        QCOMPARE(addMiss(32767), qint16(32767));
    }
};

QTEST_GUILESS_MAIN(TestScoreReport)
#include "tst_scoreReport.moc"
