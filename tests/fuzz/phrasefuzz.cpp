// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzz target: the phrases of any bytes equal those of a plain reference, whose phrases
// are never empty and hold no line end, no space at an end and no two spaces in a row. A
// fault aborts.
#include "phrasefile.h"
#include "qtext.h"

#include <QRegularExpression>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Well-formed UTF-8 (RFC 3629) over the bytes read as Latin-1: no overlong form, no
// surrogate, nothing past U+10FFFF.
static const QRegularExpression Utf8(
    QStringLiteral("\\A(?:[\\x00-\\x7F]|[\\xC2-\\xDF][\\x80-\\xBF]|\\xE0[\\xA0-\\xBF][\\x80-\\xBF]"
                   "|[\\xE1-\\xEC\\xEE\\xEF][\\x80-\\xBF]{2}|\\xED[\\x80-\\x9F][\\x80-\\xBF]|\\xF0["
                   "\\x90-\\xBF][\\x80-\\xBF]{2}"
                   "|[\\xF1-\\xF3][\\x80-\\xBF]{3}|\\xF4[\\x80-\\x8F][\\x80-\\xBF]{2})*\\z"));

// Windows-1252 for the bytes 0x80 to 0x9F; the five it leaves undefined keep their value.
static const QStringView High = u"€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F"
                                u"\u0090‘’“”•–—˜™š›œ\u009DžŸ";

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // UTF-8 less the file's leading byte-order mark (fromUtf8 drops that one only), else
    // Windows-1252; lines end at CR LF, CR or LF; the words between spaces joined by one.
    const QByteArrayView bytes(data, qsizetype(size));
    const bool utf8 = Utf8.match(QString::fromLatin1(bytes)).hasMatch();
    QString text = utf8 ? QString::fromUtf8(bytes) : QString();
    for (const char c : utf8 ? QByteArrayView() : bytes)
        text += uchar(c) >= 0x80 && uchar(c) < 0xA0 ? High[uchar(c) - 0x80] : QChar(uchar(c));
    QStringList expected;
    for (const QString &line : text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                                   .replace(u'\r', u'\n')
                                   .split(u'\n'))
        if (const QString phrase = line.split(u' ', Qt::SkipEmptyParts).join(u' ');
            !phrase.isEmpty())
            expected << phrase;
    const std::optional<std::vector<std::u16string>> parsed =
        parsePhrases(std::string_view(reinterpret_cast<const char *>(data), size));
    QStringList phrases;
    for (const std::u16string &phrase : parsed.value())
        phrases << qtext(phrase);
    if (phrases != expected) {
        std::fputs("phrase fuzz: the phrases differ from the reference\n", stderr);
        std::abort();
    }
    return 0;
}
