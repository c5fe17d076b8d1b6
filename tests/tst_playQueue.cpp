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

// The insertion done literally: each phrase that is not blank or spaces only goes in at
// k = floor(r * (m + 1)) of the m phrases copied so far.
static QStringList insertionReference(const QStringList &source, const std::vector<double> &draws)
{
    QStringList queue;
    std::size_t next = 0;
    for (const QString &phrase : source) {
        if (!QString(phrase).remove(u' ').isEmpty())
            queue.insert(qsizetype(std::floor(draws.at(next++) * (queue.size() + 1.0))), phrase);
    }
    return queue;
}

class TestPlayQueue : public QObject
{
    Q_OBJECT

private slots:
    void matchesPlainInsertion_data()
    {
        QTest::addColumn<int>("size"); QTest::addColumn<quint64>("seed"); QTest::addColumn<bool>("extremeDraws");
        for (int size = 0; size <= 300; ++size)
            QTest::addRow("%d phrases", size) << size << quint64(1000 + size) << false;
        for (int size : {1, 2, 3, 7, 64, 299, 6000})
            QTest::addRow("%d phrases, draws 0 and just under 1", size) << size << quint64(size) << true;
        for (int size : {2500, 4099})
            for (quint64 seed : {1u, 2u, 3u})
                QTest::addRow("%d phrases, seed %llu", size, seed) << size << seed << false;
    }
    void matchesPlainInsertion()
    {
        QFETCH(int, size); QFETCH(quint64, seed); QFETCH(bool, extremeDraws);
        std::mt19937_64 engine(seed);
        QStringList source;
        Draws draws;
        for (int i = 0; i < size; ++i) {
            // Blank, spaces-only and tab-only items among the phrases; some phrases repeat
            // and some carry spaces, which are copied with them.
            source.append(i % 7 == 3 ? QString(i % 3, u' ') : i % 13 == 5 ? u"\t"_s
                          : (i % 5 ? u"phrase %1"_s : u" phrase %1 "_s).arg(i % 50 == 49 ? 0 : i));
            const double unit = double(engine() >> 11) * 0x1.0p-53; // 53 random bits in [0, 1)
            draws.values.push_back(!extremeDraws ? unit : unit < 0.5 ? 0.0 : std::nextafter(1.0, 0.0));
        }
        const QStringList expected = insertionReference(source, draws.values);
        QCOMPARE(shuffledQueue(source, std::ref(draws)), expected);
        QCOMPARE(draws.taken, std::size_t(expected.size())); // one draw per copied phrase
    }

    void drawsZeroOneZeroGiveThirdFirstSecond()
    {
        // k = floor(0.0 * 1) = 0, floor(0.5 * 2) = 1, floor(0.2 * 3) = 0.
        Draws draws{{0.0, 0.5, 0.2}};
        QCOMPARE(shuffledQueue({u"P1"_s, u"P2"_s, u"P3"_s}, std::ref(draws)), (QStringList{u"P3"_s, u"P1"_s, u"P2"_s}));
        QCOMPARE(draws.taken, std::size_t(3));
    }
};

QTEST_GUILESS_MAIN(TestPlayQueue)
#include "tst_playQueue.moc"
