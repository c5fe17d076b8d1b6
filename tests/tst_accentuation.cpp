// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Spanish accentuation: the syllables of a word, its stressed syllable and what the rules
// of the written accent say about it. Every answer is a textbook one, of the kind the
// Ortografía de la lengua española (2010) gives as its own examples.
#include "accentrule.h"
#include "syllables.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(AccentVerdict)
Q_DECLARE_METATYPE(AccentReason)
Q_DECLARE_METATYPE(StressClass)

static QString joined(const std::vector<std::u16string> &syllables)
{
    QStringList parts;
    for (const std::u16string &syllable : syllables)
        parts << QString::fromStdU16String(syllable);
    return parts.join(u'-');
}

class TestAccentuation : public QObject
{
    Q_OBJECT

private slots:
    // Syllables and the stressed one's place from the end.
    void syllables_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("syllables");
        QTest::addColumn<int>("place");
        QTest::newRow("aguda in n") << u"camión"_s << u"ca-mión"_s << 1;
        QTest::newRow("llana in l") << u"árbol"_s << u"ár-bol"_s << 2;
        QTest::newRow("llana in n, unaccented") << u"examen"_s << u"e-xa-men"_s << 2;
        QTest::newRow("esdrújula") << u"pájaro"_s << u"pá-ja-ro"_s << 3;
        QTest::newRow("sobresdrújula") << u"dígamelo"_s << u"dí-ga-me-lo"_s << 4;
        QTest::newRow("aguda in d") << u"ciudad"_s << u"ciu-dad"_s << 1;
        QTest::newRow("diphthong ui") << u"cuidado"_s << u"cui-da-do"_s << 2;
        QTest::newRow("diphthong ue") << u"huevo"_s << u"hue-vo"_s << 2;
        QTest::newRow("triphthong, final y") << u"Paraguay"_s << u"Pa-ra-guay"_s << 1;
        QTest::newRow("triphthong, accented") << u"estudiáis"_s << u"es-tu-diáis"_s << 1;
        QTest::newRow("hiatus í") << u"día"_s << u"dí-a"_s << 2;
        QTest::newRow("hiatus ú") << u"baúl"_s << u"ba-úl"_s << 1;
        QTest::newRow("hiatus ea, eo") << u"teatro"_s << u"te-a-tro"_s << 2;
        QTest::newRow("hiatus across h") << u"búho"_s << u"bú-ho"_s << 2;
        QTest::newRow("hiatus í across h") << u"prohíbe"_s << u"pro-hí-be"_s << 2;
        QTest::newRow("diphthong across h") << u"prohibir"_s << u"prohi-bir"_s << 1;
        QTest::newRow("h starts a syllable") << u"ahorro"_s << u"a-ho-rro"_s << 2;
        QTest::newRow("monosyllable guion") << u"guion"_s << u"guion"_s << 1;
        QTest::newRow("monosyllable truhan") << u"truhan"_s << u"truhan"_s << 1;
        QTest::newRow("monosyllable hui") << u"hui"_s << u"hui"_s << 1;
        QTest::newRow("same vowels twice") << u"chiita"_s << u"chi-i-ta"_s << 2;
        QTest::newRow("ch, ll, rr") << u"chorrillo"_s << u"cho-rri-llo"_s << 2;
        QTest::newRow("qu") << u"chaqueta"_s << u"cha-que-ta"_s << 2;
        QTest::newRow("gu before e") << u"guerrero"_s << u"gue-rre-ro"_s << 2;
        QTest::newRow("gu before a") << u"agua"_s << u"a-gua"_s << 2;
        QTest::newRow("ü") << u"pingüino"_s << u"pin-güi-no"_s << 2;
        QTest::newRow("br, pl") << u"hombre"_s << u"hom-bre"_s << 2;
        QTest::newRow("pl") << u"completo"_s << u"com-ple-to"_s << 2;
        QTest::newRow("ns-t") << u"instante"_s << u"ins-tan-te"_s << 2;
        QTest::newRow("bs-tr") << u"abstracto"_s << u"abs-trac-to"_s << 2;
        QTest::newRow("final y") << u"estoy"_s << u"es-toy"_s << 1;
        QTest::newRow("y before a vowel") << u"reyes"_s << u"re-yes"_s << 2;
        QTest::newRow("ui, accented") << u"casuística"_s << u"ca-suís-ti-ca"_s << 3;
        QTest::newRow("capitals") << u"ÁRBOL"_s << u"ÁR-BOL"_s << 2;
    }
    void syllables()
    {
        QFETCH(QString, word);
        QFETCH(QString, syllables);
        QFETCH(int, place);
        const WordAccent accent = analyseWord(word.toStdU16String());
        QCOMPARE(joined(accent.syllables), syllables);
        QCOMPARE(int(accent.stressFromEnd), place);
    }

    // The word with no letters has no syllable; one with no vowel is one syllable.
    void noVowel()
    {
        QCOMPARE(splitSyllables(u"").size(), std::size_t(0));
        QCOMPARE(joined(splitSyllables(u"pst")), u"pst"_s);
    }

    // Whether the written word has the accent the rules give it, one it may have, or one
    // that no rule gives it, and which rule decides.
    void verdict_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<StressClass>("stressClass");
        QTest::addColumn<AccentVerdict>("verdict");
        QTest::addColumn<AccentReason>("reason");
        const auto general = AccentReason::General;
        const auto hiatus = AccentReason::Hiatus;
        const auto diacritical = AccentReason::Diacritical;
        const auto required = AccentVerdict::Required;
        const auto allowed = AccentVerdict::Allowed;
        const auto forbidden = AccentVerdict::Forbidden;
        const auto none = AccentVerdict::None;
        using C = StressClass;
        QTest::newRow("aguda in n") << u"canción"_s << C::Aguda << required << general;
        QTest::newRow("aguda in a vowel") << u"café"_s << C::Aguda << required << general;
        QTest::newRow("aguda in ui") << u"construí"_s << C::Aguda << required << general;
        QTest::newRow("aguda in r") << u"amor"_s << C::Aguda << none << general;
        QTest::newRow("aguda in ts") << u"robots"_s << C::Aguda << none << general;
        QTest::newRow("llana in l") << u"fácil"_s << C::Llana << required << general;
        QTest::newRow("llana in ps") << u"bíceps"_s << C::Llana << required << general;
        QTest::newRow("llana in n") << u"joven"_s << C::Llana << none << general;
        QTest::newRow("esdrújula") << u"música"_s << C::Esdrujula << required << general;
        QTest::newRow("sobresdrújula")
            << u"cómpraselo"_s << C::Sobresdrujula << required << general;
        QTest::newRow("llana in n, accented") << u"crímen"_s << C::Llana << forbidden << general;
        QTest::newRow("llana in a vowel, accented")
            << u"sólo"_s << C::Llana << forbidden << general;
        QTest::newRow("aguda in l, accented") << u"papél"_s << C::Aguda << forbidden << general;
        QTest::newRow("monosyllable vio") << u"vió"_s << C::Monosyllable << forbidden << general;
        QTest::newRow("monosyllable guion")
            << u"guión"_s << C::Monosyllable << forbidden << general;
        QTest::newRow("monosyllable hui") << u"huí"_s << C::Monosyllable << forbidden << general;
        QTest::newRow("hiatus, llana") << u"río"_s << C::Llana << required << hiatus;
        QTest::newRow("hiatus, aguda in l") << u"Raúl"_s << C::Aguda << required << hiatus;
        QTest::newRow("hiatus across h") << u"búho"_s << C::Llana << required << hiatus;
        QTest::newRow("tú") << u"tú"_s << C::Monosyllable << allowed << diacritical;
        QTest::newRow("Él") << u"Él"_s << C::Monosyllable << allowed << diacritical;
        QTest::newRow("qué") << u"qué"_s << C::Monosyllable << allowed << diacritical;
        QTest::newRow("cómo") << u"cómo"_s << C::Llana << allowed << diacritical;
        QTest::newRow("quiénes") << u"quiénes"_s << C::Llana << allowed << diacritical;
        QTest::newRow("tu") << u"tu"_s << C::Monosyllable << none << diacritical;
        QTest::newRow("donde") << u"donde"_s << C::Llana << none << diacritical;
    }
    void verdict()
    {
        QFETCH(QString, word);
        QFETCH(StressClass, stressClass);
        QFETCH(AccentVerdict, verdict);
        QFETCH(AccentReason, reason);
        const WordAccent accent = analyseWord(word.toStdU16String());
        QCOMPARE(accent.stressClass, stressClass);
        QCOMPARE(accent.verdict, verdict);
        QCOMPARE(accent.reason, reason);
    }

    // Two written accents: the first decides the stress, and both are counted.
    void twoAccents()
    {
        const WordAccent accent = analyseWord(u"cáfé");
        QCOMPARE(accent.writtenAccents, 2);
        QCOMPARE(accent.stressFromEnd, std::size_t(2));
    }
};

QTEST_GUILESS_MAIN(TestAccentuation)
#include "tst_accentuation.moc"
