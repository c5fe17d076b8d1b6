// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzz target: the phrases of any bytes equal those of a plain reference, whose phrases
// are never empty and hold no line end, no space at an end and no two spaces in a row,
// and the bytes are read exactly when the reference reads them. A fault aborts.
#include "phrasefile.h"
#include "qtext.h"

#include <QRegularExpression>

#include <optional>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

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

// UTF-16 after its mark, or nothing for an odd byte count or a surrogate alone.
static std::optional<QString> utf16(QByteArrayView bytes, bool bigEndian)
{
    if (bytes.size() % 2 != 0)
        return std::nullopt;
    QString text;
    for (qsizetype i = 2; i < bytes.size(); i += 2) {
        const uchar first = uchar(bytes[i]);
        const uchar second = uchar(bytes[i + 1]);
        text += QChar(bigEndian ? first * 256 + second : second * 256 + first);
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool paired =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        if (paired)
            ++i;
        else if (text[i].isSurrogate())
            return std::nullopt;
    }
    return text;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // UTF-16 after its mark; else UTF-8 less the file's leading byte-order mark (fromUtf8
    // drops that one only), else Windows-1252. Lines end at CR LF, CR or LF; a vowel and a
    // combining acute accent become the accented vowel; the words between spaces are
    // joined by one.
    const QByteArrayView bytes(data, qsizetype(size));
    const bool utf32 = bytes.startsWith("\xFF\xFE\0\0"_ba);
    const bool little = !utf32 && bytes.startsWith("\xFF\xFE");
    const bool big = bytes.startsWith("\xFE\xFF");
    std::optional<QString> text;
    if (little || big) {
        text = utf16(bytes, big);
    } else if (!utf32 && Utf8.match(QString::fromLatin1(bytes)).hasMatch()) {
        text = QString::fromUtf8(bytes);
    } else if (!utf32) {
        text = QString();
        for (const char c : bytes)
            *text += uchar(c) >= 0x80 && uchar(c) < 0xA0 ? High[uchar(c) - 0x80] : QChar(uchar(c));
    }
    const std::optional<std::vector<std::u16string>> parsed =
        parsePhrases(std::string_view(reinterpret_cast<const char *>(data), size));
    if (parsed.has_value() != text.has_value()) {
        std::fputs("phrase fuzz: read where the reference reads nothing, or the reverse\n", stderr);
        std::abort();
    }
    if (!text)
        return 0;
    const QString plain = u"aeiouAEIOU"_s;
    const QString accented = u"áéíóúÁÉÍÓÚ"_s;
    for (qsizetype i = 0; i < plain.size(); ++i)
        text->replace(plain[i] + u"\u0301"_s, accented[i]);
    QStringList expected;
    for (const QString &line : text->replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                                   .replace(u'\r', u'\n')
                                   .split(u'\n'))
        if (const QString phrase = line.split(u' ', Qt::SkipEmptyParts).join(u' ');
            !phrase.isEmpty())
            expected << phrase;
    QStringList phrases;
    for (const std::u16string &phrase : *parsed)
        phrases << qtext(phrase);
    if (phrases != expected) {
        std::fputs("phrase fuzz: the phrases differ from the reference\n", stderr);
        std::abort();
    }
    return 0;
}
