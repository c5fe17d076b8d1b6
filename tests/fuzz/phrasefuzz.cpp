// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzz target over the whole way from the bytes of a phrase file to the phrases and
// their count: the choice between UTF-8 and Windows-1252, the three line ends, Slim and
// the count line of the load report. The result is checked against a plain reference
// written from the rules of the file format, for the shape of every phrase, and by
// writing the phrases out again (both encodings, every line end) and reading them back.
// Any difference aborts with a message on stderr.

#include "messages.h"
#include "phrasefile.h"
#include "slim.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

void require(bool holds, const char *what)
{
    if (!holds) {
        std::fprintf(stderr, "phrase file fuzz: %s\n", what);
        std::abort();
    }
}

// The characters of the bytes 0x80 to 0x9F in Windows-1252; the five it leaves
// undefined keep their own value, like every other byte.
constexpr QStringView Windows1252High =
    u"€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ";

// Strict UTF-8 (RFC 3629): no overlong forms, no surrogates, nothing above U+10FFFF.
std::optional<QString> strictUtf8(QByteArrayView bytes)
{
    static constexpr char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    QString text;
    for (qsizetype i = 0; i < bytes.size();) {
        const std::uint8_t lead = bytes[i];
        const int length = lead < 0x80 ? 1 : lead < 0xC2 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 0;
        if (length == 0 || i + length > bytes.size())
            return std::nullopt;
        char32_t point = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            if ((std::uint8_t(bytes[i + k]) & 0xC0) != 0x80)
                return std::nullopt;
            point = point << 6 | (std::uint8_t(bytes[i + k]) & 0x3F);
        }
        if (point < least[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
            return std::nullopt;
        text += QStringView(QChar::fromUcs4(point)); // one U+FEFF at a time, never taken for a mark
        i += length;
    }
    return text;
}

// Valid UTF-8 less one leading byte-order mark, else Windows-1252 byte by byte.
QString referenceDecode(QByteArrayView bytes)
{
    if (const std::optional<QString> text = strictUtf8(bytes))
        return text->startsWith(QChar(0xFEFF)) ? text->mid(1) : *text;
    QString text;
    for (const char c : bytes) {
        const std::uint8_t byte = c;
        text += byte >= 0x80 && byte < 0xA0 ? Windows1252High[byte - 0x80] : QChar(byte);
    }
    return text;
}

// CR LF, CR and LF end lines; the words between spaces (U+0020 only), joined by one
// space, make a phrase; blank lines are dropped.
QStringList referencePhrases(QString text)
{
    QStringList phrases;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    for (const QString &line : text.split(u'\n')) {
        const QString phrase = line.split(u' ', Qt::SkipEmptyParts).join(u' ');
        if (!phrase.isEmpty())
            phrases.append(phrase);
    }
    return phrases;
}

std::optional<QByteArray> toWindows1252(const QString &text)
{
    QByteArray bytes;
    for (const QChar c : text) {
        const qsizetype high = Windows1252High.indexOf(c);
        if (high >= 0)
            bytes += char(0x80 + high);
        else if (c.unicode() < 0x80 || (c.unicode() >= 0xA0 && c.unicode() < 0x100))
            bytes += char(c.unicode());
        else
            return std::nullopt;
    }
    return bytes;
}

// The phrases written out again in every encoding and with every line end read back the same.
void checkWrittenAgain(const QStringList &phrases)
{
    const bool startsWithMark = !phrases.isEmpty() && phrases.first().startsWith(QChar(0xFEFF));
    for (const char *lineEnd : {"\r\n", "\n", "\r"}) {
        const QString text = phrases.join(QLatin1StringView(lineEnd));
        require(parsePhrases("\xEF\xBB\xBF" + text.toUtf8()) == phrases, "UTF-8 with a byte-order mark read back differently");
        // Without a mark, a first phrase that begins with U+FEFF would lose it as a mark.
        require(startsWithMark || parsePhrases(text.toUtf8()) == phrases, "UTF-8 read back differently");
        // Windows-1252 bytes that happen to be valid UTF-8 are read as UTF-8, by design.
        if (const std::optional<QByteArray> ansi = toWindows1252(text); ansi && !strictUtf8(*ansi))
            require(parsePhrases(*ansi) == phrases, "Windows-1252 read back differently");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    const QStringList phrases = parsePhrases(bytes);
    require(phrases == referencePhrases(referenceDecode(bytes)), "phrases differ from the reference");

    for (const QString &phrase : phrases) {
        require(!phrase.isEmpty(), "an empty phrase");
        require(!phrase.startsWith(u' ') && !phrase.endsWith(u' '), "a phrase with a space at an end");
        require(!phrase.contains(QLatin1StringView("  ")), "a phrase with two spaces in a row");
        require(!phrase.contains(u'\r') && !phrase.contains(u'\n'), "a phrase holding a line end");
        require(Slim(phrase) == phrase, "Slim changes a phrase it made");
    }
    const QStringList report = Messages::loadReport(phrases.size());
    require(report.size() == 6 && report[2] == QStringLiteral(" File contains :  %1 phrases.").arg(phrases.size()),
            "the count line of the load report does not give the number of phrases");

    checkWrittenAgain(phrases);
    return 0;
}
