// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

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

// Every draw here is u * 2^-53 for a whole u, as the program's random source gives them.
constexpr double Unit = 0x1.0p-53;

// The insertion done literally, with k = floor(u * (m + 1) / 2^53) in integer arithmetic,
// for each phrase that is not blank or spaces only, m being the phrases copied so far.
static QStringList insertionReference(const QStringList &source, const std::vector<quint64> &units)
{
    QStringList queue;
    std::size_t next = 0;
    for (const QString &phrase : source) {
        if (!QString(phrase).remove(u' ').isEmpty()) {
            const auto k = (unsigned __int128)(units.at(next++)) * quint64(queue.size() + 1) >> 53;
            queue.insert(qsizetype(k), phrase);
        }
    }
    return queue;
}

class TestPlayQueue : public QObject
{
    Q_OBJECT

private slots:
    void matchesPlainInsertion_data()
    {
        QTest::addColumn<int>("size"); QTest::addColumn<quint64>("seed"); QTest::addColumn<QString>("draws");
        for (int size = 0; size <= 300; ++size)
            QTest::addRow("%d phrases", size) << size << quint64(1000 + size) << u"random"_s;
        for (int size : {1, 2, 3, 7, 64, 299, 6000}) {
            QTest::addRow("%d phrases, draws 0 and just under 1", size) << size << quint64(size) << u"extreme"_s;
            QTest::addRow("%d phrases, draws just under a gap", size) << size << quint64(size) << u"boundary"_s;
        }
        for (int size : {2500, 4099})
            for (quint64 seed : {1u, 2u, 3u})
                QTest::addRow("%d phrases, seed %llu", size, seed) << size << seed << u"random"_s;
    }
    void matchesPlainInsertion()
    {
        QFETCH(int, size); QFETCH(quint64, seed); QFETCH(QString, draws);
        std::mt19937_64 engine(seed);
        QStringList source;
        std::vector<quint64> units;
        quint64 copied = 0;
        for (int i = 0; i < size; ++i) {
            // Blank, spaces-only and tab-only items among the phrases; some phrases repeat
            // and some carry spaces, which are copied with them.
            source.append(i % 7 == 3 ? QString(i % 3, u' ') : i % 13 == 5 ? u"\t"_s
                          : (i % 5 ? u"phrase %1"_s : u" phrase %1 "_s).arg(i % 50 == 49 ? 0 : i));
            const quint64 random = engine() >> 11;
            if (draws == u"extreme")
                units.push_back(random & 1 ? (quint64(1) << 53) - 1 : 0);
            else if (draws == u"boundary") // the last u with u / 2^53 below j / (m + 1)
                units.push_back(quint64((((unsigned __int128)(random % (copied + 1) + 1) << 53) - 1) / (copied + 1)));
            else
                units.push_back(random);
            if (!QString(source.last()).remove(u' ').isEmpty())
                ++copied;
        }
        Draws given;
        for (quint64 u : units)
            given.values.push_back(double(u) * Unit);
        const QStringList expected = insertionReference(source, units);
        QCOMPARE(shuffledQueue(source, std::ref(given)), expected);
        QCOMPARE(given.taken, std::size_t(expected.size())); // one draw per copied phrase
    }

    void drawJustBelowTwoThirds()
    {
        // 3 * r rounds to 2 in double precision, but its whole part is 1.
        Draws draws{{0.0, 0.0, 6004799503160661 * Unit}};
        QCOMPARE(shuffledQueue({u"P1"_s, u"P2"_s, u"P3"_s}, std::ref(draws)), (QStringList{u"P2"_s, u"P3"_s, u"P1"_s}));
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
