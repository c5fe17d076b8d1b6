// The play queue of a game: the phrases shuffled by random insertion, one draw each.
#include "playqueue.h"

#include <QTest>

#include <cmath>
#include <random>
#include <vector>

using namespace Qt::StringLiterals;

// Draws handed out in order, counting how many were taken.
struct Draws {
    std::vector<double> values;
    std::size_t taken = 0;
    double operator()() { return values.at(taken++); }
};

// The insertion shuffle done literally: each copied phrase goes in at k = floor(r * (m + 1)).
static QStringList insertionReference(const QStringList &source, const std::vector<double> &draws)
{
    QStringList queue;
    std::size_t next = 0;
    for (const QString &phrase : source) {
        if (QString(phrase).remove(u' ').isEmpty())
            continue; // blank or spaces only
        const double m = double(queue.size());
        queue.insert(qsizetype(std::floor(draws.at(next++) * (m + 1))), phrase);
    }
    return queue;
}

// Uniform in [0, 1) with 53 random bits.
static double unitDraw(std::mt19937_64 &engine)
{
    return double(engine() >> 11) * 0x1.0p-53;
}

class TestPlayQueue : public QObject
{
    Q_OBJECT

private slots:
    void matchesPlainInsertion_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<quint64>("seed");
        QTest::addColumn<bool>("extremeDraws");
        for (int size = 0; size <= 300; ++size)
            QTest::addRow("%d phrases", size) << size << quint64(1000 + size) << false;
        for (int size : {1, 2, 3, 7, 64, 299})
            QTest::addRow("%d phrases, draws 0 and just under 1", size) << size << quint64(size) << true;
        for (quint64 seed : {1u, 2u, 3u}) {
            QTest::addRow("2500 phrases, seed %llu", seed) << 2500 << seed << false;
            QTest::addRow("4099 phrases, seed %llu", seed) << 4099 << seed << false;
        }
        QTest::newRow("6000 phrases, draws 0 and just under 1") << 6000 << quint64(9) << true;
    }
    void matchesPlainInsertion()
    {
        QFETCH(int, size);
        QFETCH(quint64, seed);
        QFETCH(bool, extremeDraws);
        std::mt19937_64 engine(seed);
        QStringList source;
        Draws draws;
        for (int i = 0; i < size; ++i) {
            // Every seventh item is blank or spaces only; some phrases repeat.
            if (i % 7 == 3)
                source.append(QString(i % 3, u' '));
            else
                source.append(u"phrase %1"_s.arg(i % 50 == 49 ? 0 : i));
            const double r = extremeDraws ? ((engine() & 1) ? 0.0 : std::nextafter(1.0, 0.0))
                                          : unitDraw(engine);
            draws.values.push_back(r);
        }
        const QStringList expected = insertionReference(source, draws.values);
        QCOMPARE(shuffledQueue(source, std::ref(draws)), expected);
        QCOMPARE(draws.taken, std::size_t(expected.size()));
    }

    void drawsZeroOneZeroGiveThirdFirstSecond()
    {
        // k = floor(0.0 * 1) = 0, floor(0.5 * 2) = 1, floor(0.2 * 3) = 0.
        Draws draws{{0.0, 0.5, 0.2}};
        const QStringList queue = shuffledQueue({u"P1"_s, u"P2"_s, u"P3"_s}, std::ref(draws));
        QCOMPARE(queue, (QStringList{u"P3"_s, u"P1"_s, u"P2"_s}));
        QCOMPARE(draws.taken, std::size_t(3));
    }

    void onePhraseWhateverTheDraw_data()
    {
        QTest::addColumn<double>("r");
        QTest::newRow("zero") << 0.0;
        QTest::newRow("one half") << 0.5;
        QTest::newRow("just under one") << std::nextafter(1.0, 0.0);
    }
    void onePhraseWhateverTheDraw()
    {
        QFETCH(double, r);
        Draws draws{{r}};
        QCOMPARE(shuffledQueue({u"S\u00ED"_s}, std::ref(draws)), QStringList{u"S\u00ED"_s});
        QCOMPARE(draws.taken, std::size_t(1));
    }

    void blankItemsSkippedWithoutDraw()
    {
        // Draws just under 1 append each phrase at the end, so the order shows what was
        // copied; a tab is not a space, and a phrase is copied with its spaces.
        const double last = std::nextafter(1.0, 0.0);
        Draws draws{{last, last, last, last}};
        const QStringList source = {QString(), u"a"_s, u"   "_s, u"\t"_s, u" b "_s, u" "_s};
        QCOMPARE(shuffledQueue(source, std::ref(draws)), (QStringList{u"a"_s, u"\t"_s, u" b "_s}));
        QCOMPARE(draws.taken, std::size_t(3));

        Draws none;
        QVERIFY(shuffledQueue({}, std::ref(none)).isEmpty());
        QVERIFY(shuffledQueue({u""_s, u"  "_s}, std::ref(none)).isEmpty());
        QCOMPARE(none.taken, std::size_t(0));
    }

    void resultIsPermutationWithDuplicates()
    {
        std::mt19937_64 engine(42);
        const QStringList source = {u"uno"_s, u"dos"_s, u"uno"_s, u"tres"_s, u"dos"_s, u"uno"_s, u"cuatro"_s};
        QStringList sortedSource = source;
        sortedSource.sort();
        for (int round = 0; round < 200; ++round) {
            QStringList queue = shuffledQueue(source, [&engine] { return unitDraw(engine); });
            queue.sort();
            QCOMPARE(queue, sortedSource);
        }
    }
};

QTEST_GUILESS_MAIN(TestPlayQueue)
#include "tst_playQueue.moc"
