// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The board's rules: the accent of a tile's caption, the captions of a phrase's tiles and
// the flow of the tiles in rows.
#include "accents.h"
#include "boardlayout.h"
#include "qtext.h"

#include <QStringList>
#include <QTest>

using namespace Qt::StringLiterals;

class TestBoard : public QObject
{
    Q_OBJECT

private slots:
    // Tilde toggles the acute accent and NOTilde strips it, for a key that is one vowel of
    // the ten pairs once spaces (U+0020 only) are trimmed; anything else comes back as given.
    void accents_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tilde");
        QTest::addColumn<QString>("notilde");
        const QString plain = u"aeiouAEIOU"_s;
        const QString accented = u"áéíóúÁÉÍÓÚ"_s;
        for (int i = 0; i < 10; ++i) {
            const QString vowel(plain[i]);
            const QString withAccent(accented[i]);
            QTest::addRow("%c", plain[i].toLatin1()) << vowel << withAccent << vowel;
            QTest::addRow("%c with accent", plain[i].toLatin1()) << withAccent << vowel << vowel;
        }
        QTest::newRow("spaces around a vowel") << u" a "_s << u"á"_s << u" a "_s;
        QTest::newRow("spaces around an accented vowel") << u"  É "_s << u"E"_s << u"E"_s;
        const QStringList unchanged = {u""_s,  u" "_s,       u"ae"_s,  u"y"_s,      u"ü"_s,
                                       u"à"_s, u"a\u0301"_s, u"\ta"_s, u"\u00A0e"_s};
        for (const QString &same : unchanged)
            QTest::addRow("unchanged: '%s'", qPrintable(same)) << same << same << same;
    }
    void accents()
    {
        QFETCH(QString, caption);
        QFETCH(QString, tilde);
        QFETCH(QString, notilde);
        QCOMPARE(qtext(Tilde(caption.toStdU16String())), tilde);
        QCOMPARE(qtext(NOTilde(caption.toStdU16String())), notilde);
    }

    // Tile 0 is empty, tile i shows character i without its accent, up to tile 383.
    void captions_data()
    {
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<QStringList>("tiles");
        QTest::newRow("mixed") << u"Él ñü\t\U0001F600"_s
                               << QStringList{{},     u"E"_s,  u"l"_s,        u" "_s,       u"ñ"_s,
                                              u"ü"_s, u"\t"_s, QChar(0xD83D), QChar(0xDE00)};
        QTest::newRow("past the last tile")
            << QString(383, u'á') + u'b' << QStringList{QString()} + QStringList(383, u"a"_s);
    }
    void captions()
    {
        QFETCH(QString, phrase);
        QFETCH(QStringList, tiles);
        QStringList shown;
        for (const std::u16string &caption : boardCaptions(phrase.toStdU16String()))
            shown << qtext(caption);
        QCOMPARE(shown, tiles);
    }

    // From (0, 400), each left the previous left + width + 50. A row ends when that left plus
    // the width just placed reaches 97/100 of the outer width; the next starts at left 100,
    // 20 below the bottom of the tile that ended the row.
    void flow_data()
    {
        using Boxes = std::vector<TileBox>;
        using Places = std::vector<TilePlace>;
        QTest::addColumn<Boxes>("boxes");
        QTest::addColumn<Places>("places");
        QTest::newRow("at the limit") << Boxes{{460, 30}, {10, 40}} << Places{{0, 400}, {100, 450}};
        QTest::newRow("below the limit")
            << Boxes{{459.5f, 30}, {10, 40}} << Places{{0, 400}, {509.5f, 400}};
        QTest::newRow("rows follow the tile that ends them")
            << Boxes{{100, 30}, {200, 80}, {260, 55}, {300, 10}, {40, 12}, {450, 5}, {10, 10}}
            << Places{{0, 400},   {150, 400}, {400, 400}, {100, 475},
                      {450, 475}, {540, 475}, {100, 500}};
    }
    void flow()
    {
        using Boxes = std::vector<TileBox>;
        using Places = std::vector<TilePlace>;
        QFETCH(Boxes, boxes);
        QFETCH(Places, places);
        QCOMPARE(flowTiles(boxes, 1000), places);
    }
};

QTEST_GUILESS_MAIN(TestBoard)
#include "tst_board.moc"
