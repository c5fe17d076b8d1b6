// The accent mapping of one tile caption: NOTilde strips the acute accent, Tilde toggles it.
#include "accents.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The ten pairs, written out from their code points.
static const char PlainVowels[] = "aeiouAEIOU";
static const char16_t AccentedVowels[] = u"\u00E1\u00E9\u00ED\u00F3\u00FA\u00C1\u00C9\u00CD\u00D3\u00DA";

class TestAccents : public QObject
{
    Q_OBJECT

private slots:
    void notildeStripsAccent_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("accented");
        for (int i = 0; i < 10; ++i)
            QTest::addRow("%c", PlainVowels[i]) << QString(QChar(PlainVowels[i])) << QString(QChar(AccentedVowels[i]));
    }
    void notildeStripsAccent()
    {
        QFETCH(QString, plain);
        QFETCH(QString, accented);
        QCOMPARE(NOTilde(accented), plain);
        QCOMPARE(NOTilde(plain), plain); // a plain vowel has no entry
        QCOMPARE(Tilde(Tilde(plain)), plain);
        QCOMPARE(Tilde(Tilde(accented)), accented);
        QCOMPARE(NOTilde(Tilde(plain)), plain);
    }

    void tildeTogglesAccent_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        for (int i = 0; i < 10; ++i) {
            const QString plain(QChar(PlainVowels[i]));
            const QString accented(QChar(AccentedVowels[i]));
            QTest::addRow("%c gets its accent", PlainVowels[i]) << plain << accented;
            QTest::addRow("%c with accent loses it", PlainVowels[i]) << accented << plain;
        }
    }
    void tildeTogglesAccent()
    {
        QFETCH(QString, key);
        QFETCH(QString, expected);
        QCOMPARE(Tilde(key), expected);
    }

    void captionsOutsideTheTable_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("fromTilde");
        QTest::addColumn<QString>("fromNOTilde");
        QTest::newRow("vowel in spaces matches after trimming") << u" a "_s << u"\u00E1"_s << u" a "_s;
        QTest::newRow("accented vowel in spaces loses the spaces") << u"  \u00C9 "_s << u"E"_s << u"E"_s;
        const QString unchanged[][2] = {
            {u"empty"_s, QString()},
            {u"single space"_s, u" "_s},
            {u"tab before vowel is not trimmed"_s, u"\ta"_s},
            {u"tab after accented vowel is not trimmed"_s, u"\u00E1\t"_s},
            {u"no-break space is not trimmed"_s, u"\u00A0e"_s},
            {u"two vowels"_s, u"ae"_s},
            {u"vowel and consonant"_s, u"\u00F3n"_s},
            {u"two vowels with a space"_s, u"a a"_s},
            {u"combining acute accent"_s, u"a\u0301"_s},
            {u"y"_s, u"y"_s},
            {u"u with diaeresis"_s, u"\u00FC"_s},
            {u"a with grave accent"_s, u"\u00E0"_s},
            {u"n with tilde"_s, u"\u00F1"_s},
            {u"digit in spaces"_s, u" 7 "_s},
        };
        for (const auto &[name, caption] : unchanged)
            QTest::newRow(qPrintable(name)) << caption << caption << caption;
    }
    void captionsOutsideTheTable()
    {
        QFETCH(QString, caption);
        QFETCH(QString, fromTilde);
        QFETCH(QString, fromNOTilde);
        QCOMPARE(Tilde(caption), fromTilde);
        QCOMPARE(NOTilde(caption), fromNOTilde);
    }

    void trimSpacesRemovesOnlySpaces_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("spaces at both ends") << u"  a b  "_s << u"a b"_s;
        QTest::newRow("only spaces") << u"   "_s << QString();
        QTest::newRow("tabs stay") << u"\t a \t"_s << u"\t a \t"_s;
        QTest::newRow("no-break space and line feed stay") << u" \u00A0x\n "_s << u"\u00A0x\n"_s;
    }
    void trimSpacesRemovesOnlySpaces()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(trimSpaces(text).toString(), expected);
    }
};

QTEST_GUILESS_MAIN(TestAccents)
#include "tst_accents.moc"
