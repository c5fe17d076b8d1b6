// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The accent mapping of one tile caption: NOTilde strips the acute accent, Tilde toggles it.
#include "accents.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The ten pairs, written out from their code points.
static const char Plain[] = "aeiouAEIOU";
static const char16_t Accented[] = u"\u00E1\u00E9\u00ED\u00F3\u00FA\u00C1\u00C9\u00CD\u00D3\u00DA";

class TestAccents : public QObject
{
    Q_OBJECT

private slots:
    void notildeStripsAccent_data()
    {
        QTest::addColumn<QChar>("plain"); QTest::addColumn<QChar>("accented");
        for (int i = 0; i < 10; ++i)
            QTest::addRow("%c", Plain[i]) << QChar(Plain[i]) << QChar(Accented[i]);
    }
    void notildeStripsAccent()
    {
        QFETCH(QChar, plain); QFETCH(QChar, accented);
        QCOMPARE(NOTilde(accented), QString(plain));
        QCOMPARE(NOTilde(plain), QString(plain));
    }

    void tildeTogglesAccent_data()
    {
        QTest::addColumn<QChar>("key"); QTest::addColumn<QChar>("expected");
        for (int i = 0; i < 10; ++i) {
            QTest::addRow("%c gets its accent", Plain[i]) << QChar(Plain[i]) << QChar(Accented[i]);
            QTest::addRow("%c with accent loses it", Plain[i]) << QChar(Accented[i]) << QChar(Plain[i]);
        }
    }
    void tildeTogglesAccent()
    {
        QFETCH(QChar, key); QFETCH(QChar, expected);
        QCOMPARE(Tilde(key), QString(expected));
    }

    // trimSpaces takes off U+0020 at both ends and nothing else; a caption whose trimmed text
    // is not one vowel of the pairs comes back from Tilde and NOTilde exactly as given.
    void trimmingAndCaptionsOutsideThePairs_data()
    {
        QTest::addColumn<QString>("caption"); QTest::addColumn<QString>("trimmed");
        QTest::addColumn<QString>("fromTilde"); QTest::addColumn<QString>("fromNOTilde");
        QTest::newRow("vowel in spaces matches after trimming") << u" a "_s << u"a"_s << u"\u00E1"_s << u" a "_s;
        QTest::newRow("accented vowel in spaces loses the spaces") << u"  \u00C9 "_s << u"\u00C9"_s << u"E"_s << u"E"_s;
        const QString unchanged[][3] = {
            {u"empty"_s, QString(), QString()}, {u"single space"_s, u" "_s, QString()},
            {u"digit in spaces"_s, u" 7 "_s, u"7"_s}, {u"inner space stays"_s, u"  a a  "_s, u"a a"_s},
            {u"tab is not trimmed"_s, u"\t a \t"_s, u"\t a \t"_s},
            {u"no-break space and line feed are not trimmed"_s, u" \u00A0e\n "_s, u"\u00A0e\n"_s},
            {u"accented vowel and consonant"_s, u"\u00F3n"_s, u"\u00F3n"_s},
            {u"combining acute accent"_s, u"a\u0301"_s, u"a\u0301"_s},
            {u"a with grave accent"_s, u"\u00E0"_s, u"\u00E0"_s}, {u"n with tilde"_s, u"\u00F1"_s, u"\u00F1"_s},
        };
        for (const auto &[name, caption, trimmed] : unchanged)
            QTest::newRow(qPrintable(name)) << caption << trimmed << caption << caption;
    }
    void trimmingAndCaptionsOutsideThePairs()
    {
        QFETCH(QString, caption); QFETCH(QString, trimmed); QFETCH(QString, fromTilde); QFETCH(QString, fromNOTilde);
        QCOMPARE(trimSpaces(caption).toString(), trimmed);
        QCOMPARE(Tilde(caption), fromTilde);
        QCOMPARE(NOTilde(caption), fromNOTilde);
    }
};

QTEST_GUILESS_MAIN(TestAccents)
#include "tst_accents.moc"
