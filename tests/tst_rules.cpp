// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules of the game without widgets: the accent of a tile caption, the captions and
// flow of the tiles, the answer check, the score report and its colour, and the draws:
// which of n parts a draw falls in, and the background colour it picks.
#include "accents.h"
#include "answercheck.h"
#include "backgroundpalette.h"
#include "boardlayout.h"
#include "drawindex.h"
#include "scorereport.h"

#include <QLocale>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;
using Wide = unsigned __int128;

constexpr uint Red = 0x0000FF, Yellow = 0x00FFFF, Green = 0x00FF00; // written 0xBBGGRR

// The largest double below j / n: the quotient rounded to nearest, or the double below it
// when r = m * 2^(e - 53) is not below j / n in integer arithmetic.
static double largestBelow(qint64 j, qint64 n)
{
    int e;
    const double r = double(j) / double(n);
    return Wide(std::ldexp(std::frexp(r, &e), 53)) * Wide(n) < Wide(j) << (53 - e)
        ? r
        : std::nextafter(r, 0.0);
}

class TestRules : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::German));
    } // the report ignores the locale

    // Tilde toggles the acute accent and NOTilde strips it, for a key that is one vowel of
    // the ten pairs once spaces (U+0020 only) are trimmed; anything else comes back as given.
    void accents_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tilde");
        QTest::addColumn<QString>("notilde");
        const QString plain = u"aeiouAEIOU"_s,
                      accented = u"\u00E1\u00E9\u00ED\u00F3\u00FA\u00C1\u00C9\u00CD\u00D3\u00DA"_s;
        for (int i = 0; i < 10; ++i) {
            QTest::addRow("%c", plain[i].toLatin1())
                << QString(plain[i]) << QString(accented[i]) << QString(plain[i]);
            QTest::addRow("%c with accent", plain[i].toLatin1())
                << QString(accented[i]) << QString(plain[i]) << QString(plain[i]);
        }
        QTest::newRow("spaces around a vowel") << u" a "_s << u"\u00E1"_s << u" a "_s;
        QTest::newRow("spaces around an accented vowel") << u"  \u00C9 "_s << u"E"_s << u"E"_s;
        for (const QString &same : {u""_s, u" "_s, u"ae"_s, u"y"_s, u"\u00FC"_s, u"\u00E0"_s,
                                    u"a\u0301"_s, u"\ta"_s, u"\u00A0e"_s})
            QTest::addRow("unchanged: '%s'", qPrintable(same)) << same << same << same;
    }
    void accents()
    {
        QFETCH(QString, caption);
        QFETCH(QString, tilde);
        QFETCH(QString, notilde);
        QCOMPARE(Tilde(caption), tilde);
        QCOMPARE(NOTilde(caption), notilde);
    }

    // Tile 0 is empty, tile i shows character i without its accent, up to tile 383.
    void captions()
    {
        QCOMPARE(boardCaptions(u"\u00C9l \u00F1\u00FC\t\U0001F600"_s),
                 (QStringList{{},
                              u"E"_s,
                              u"l"_s,
                              u" "_s,
                              u"\u00F1"_s,
                              u"\u00FC"_s,
                              u"\t"_s,
                              QChar(0xD83D),
                              QChar(0xDE00)}));
        QStringList letters = u"abcdefghijklmnopqrstuvwxyz"_s.repeated(15).left(383).split(
            QString()); // "", a letter each, ""
        letters.removeLast();
        QCOMPARE(boardCaptions(letters.join(QString()) + u"z"_s), letters);
    }

    // From (0, 400), each left the previous left + width + 50. A row ends when that left plus
    // the width just placed reaches 97/100 of the outer width; the next starts at left 100,
    // 20 below the bottom of the tile that ended the row.
    void flow()
    {
        QVERIFY(flowTiles(std::vector<TileBox>{{460, 30}, {10, 40}}, 1000)
                == (std::vector<TilePlace>{{0, 400}, {100, 450}}));
        QVERIFY(flowTiles(std::vector<TileBox>{{459.5f, 30}, {10, 40}}, 1000)
                == (std::vector<TilePlace>{{0, 400}, {509.5f, 400}}));
        QVERIFY(
            flowTiles(
                std::vector<TileBox>{
                    {100, 30}, {200, 80}, {260, 55}, {300, 10}, {40, 12}, {450, 5}, {10, 10}},
                1000)
            == (std::vector<TilePlace>{
                {0, 400}, {150, 400}, {400, 400}, {100, 475}, {450, 475}, {540, 475}, {100, 500}}));
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
        QTest::newRow("exactly 61 is yellow")
            << 61ull << 39ull << u" Score :  61% Shots :  100 Hits   :  61"_s << Yellow;
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

    // The same characters, nothing trimmed; with every tile shown, the 383 that the tiles show.
    void answerComparedExactly()
    {
        const QString phrase = u"S\u00ED, se\u00F1or"_s, longPhrase = u"abc\u00E1 "_s.repeated(80);
        QVERIFY(isCorrectAnswer(phrase, phrase, false, 383)
                && isCorrectAnswer(longPhrase.left(383), longPhrase, true, 383));
        QVERIFY(!isCorrectAnswer(u"Si, se\u00F1or"_s, phrase, false, 383)
                && !isCorrectAnswer(u"s\u00ED, se\u00F1or"_s, phrase, false, 383));
        QVERIFY(!isCorrectAnswer(longPhrase.left(383), longPhrase, false, 383));
        QVERIFY(addMiss(0) == 1 && addMiss(32767) == 32767); // misses stop at the largest count
    }

    // A draw r falls in part floor(r * n) of n, on the exact product: the double product
    // rounds onto j for many draws just below j / n. The background is number 1 to 7 of dark
    // blue, green, red, purple, grey, brownish red and black, by the seventh a draw falls in.
    void draws()
    {
        for (qint64 n : {2, 3, 7, 10, 49, 1000, 32768, 1000003, 123456789}) {
            for (qint64 j = 1; j <= n; j += std::max<qint64>(1, n / 300)) {
                QCOMPARE(drawIndex(largestBelow(j, n), n), j - 1);
                QCOMPARE(drawIndex(std::nextafter(largestBelow(j, n), 1.0), n), std::min(j, n - 1));
            }
        }
        const Rgb colours[7] = {{0, 0, 64},   {0, 64, 0},    {64, 0, 0}, {64, 0, 64},
                                {64, 64, 64}, {128, 64, 64}, {0, 0, 0}};
        for (int k = 1; k <= 7; ++k) {
            const Rgb rgb = rgbOf(backgroundFor(largestBelow(k, 7)));
            QCOMPARE(paletteNumber(largestBelow(k, 7)), k);
            QVERIFY(rgb == colours[k - 1]
                    && backgroundFor(largestBelow(k, 7))
                        == BgrColour(rgb.blue << 16 | rgb.green << 8 | rgb.red));
        }
    }
};

QTEST_GUILESS_MAIN(TestRules)
#include "tst_rules.moc"
