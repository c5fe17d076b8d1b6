// Fuzz target over the whole way from the bytes of a phrase file to the phrases and
// their count: the choice between UTF-8 and Windows-1252, the three line ends, Slim,
// and the count line of the load report.
//
// Each input is checked against a plain reference written here from the rules of the
// file format, then for the shape every phrase must have, and finally written out again
// (both encodings, every line end) and read back, which must give the same phrases.
// Any difference aborts with a message on stderr.

#include "messages.h"
#include "phrasefile.h"
#include "slim.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "phrase file fuzz: %s\n", what);
    std::abort();
}

void require(bool holds, const char *what)
{
    if (!holds)
        fail(what);
}

// --- The reference: the rules of the file format, written out the long way. ---------

// Strict UTF-8 (RFC 3629): no overlong forms, no surrogates, nothing above U+10FFFF.
// Gives the code points, or nothing when the bytes are not UTF-8.
std::optional<std::u32string> utf8CodePoints(QByteArrayView bytes)
{
    std::u32string points;
    const auto byte = [&](qsizetype i) { return std::uint8_t(bytes[i]); };
    qsizetype i = 0;
    while (i < bytes.size()) {
        const std::uint8_t lead = byte(i);
        int length = 0;
        char32_t point = 0;
        std::uint8_t low = 0x80, high = 0xBF; // the allowed range of the second byte
        if (lead < 0x80) {
            points.push_back(lead);
            ++i;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            point = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            point = lead & 0x0F;
            if (lead == 0xE0)
                low = 0xA0;
            if (lead == 0xED)
                high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            point = lead & 0x07;
            if (lead == 0xF0)
                low = 0x90;
            if (lead == 0xF4)
                high = 0x8F;
        } else {
            return std::nullopt;
        }
        if (i + length > bytes.size())
            return std::nullopt;
        for (int k = 1; k < length; ++k) {
            const std::uint8_t next = byte(i + k);
            const std::uint8_t min = k == 1 ? low : 0x80;
            const std::uint8_t max = k == 1 ? high : 0xBF;
            if (next < min || next > max)
                return std::nullopt;
            point = (point << 6) | (next & 0x3F);
        }
        points.push_back(point);
        i += length;
    }
    return points;
}

bool isAscii(QByteArrayView bytes)
{
    for (const char c : bytes) {
        if (std::uint8_t(c) >= 0x80)
            return false;
    }
    return true;
}

// Whether a phrase file of these bytes is read as UTF-8.
bool readsAsUtf8(QByteArrayView bytes)
{
    return !isAscii(bytes) && utf8CodePoints(bytes).has_value();
}

// Character by character: QString::fromUcs4 would take a leading U+FEFF for a mark.
QString fromCodePoints(const std::u32string &points)
{
    QString text;
    for (const char32_t point : points) {
        if (point < 0x10000) {
            text.append(QChar(char16_t(point)));
        } else {
            text.append(QChar(QChar::highSurrogate(point)));
            text.append(QChar(QChar::lowSurrogate(point)));
        }
    }
    return text;
}

char16_t windows1252(std::uint8_t byte)
{
    // The bytes 0x80 to 0x9F; 0x81, 0x8D, 0x8F, 0x90 and 0x9D are undefined there
    // and keep their own value, like every byte outside that range.
    struct Pair {
        std::uint8_t byte;
        char16_t character;
    };
    static constexpr std::array<Pair, 27> defined = {{
        {0x80, u'€'}, {0x82, u'‚'}, {0x83, u'ƒ'}, {0x84, u'„'}, {0x85, u'…'}, {0x86, u'†'},
        {0x87, u'‡'}, {0x88, u'ˆ'}, {0x89, u'‰'}, {0x8A, u'Š'}, {0x8B, u'‹'}, {0x8C, u'Œ'},
        {0x8E, u'Ž'}, {0x91, u'‘'}, {0x92, u'’'}, {0x93, u'“'}, {0x94, u'”'}, {0x95, u'•'},
        {0x96, u'–'}, {0x97, u'—'}, {0x98, u'˜'}, {0x99, u'™'}, {0x9A, u'š'}, {0x9B, u'›'},
        {0x9C, u'œ'}, {0x9E, u'ž'}, {0x9F, u'Ÿ'},
    }};
    for (const Pair &pair : defined) {
        if (pair.byte == byte)
            return pair.character;
    }
    return byte;
}

QString referenceDecode(QByteArrayView bytes)
{
    if (!isAscii(bytes)) {
        if (const std::optional<std::u32string> points = utf8CodePoints(bytes)) {
            // One byte-order mark is dropped: the first character only.
            const bool marked = !points->empty() && points->front() == 0xFEFF;
            return fromCodePoints(points->substr(marked ? 1 : 0));
        }
    }
    QString text;
    for (const char c : bytes)
        text.append(QChar(windows1252(std::uint8_t(c))));
    return text;
}

// CR LF, CR and LF each end a line; the last line needs no line end.
QStringList referenceLines(const QString &text)
{
    QStringList lines;
    QString line;
    bool open = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            lines.append(line);
            line.clear();
            open = false;
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else {
            line.append(c);
            open = true;
        }
    }
    if (open)
        lines.append(line);
    return lines;
}

// The words between spaces (U+0020 only), joined by single spaces; blank lines dropped.
QStringList referencePhrases(const QString &text)
{
    QStringList phrases;
    for (const QString &line : referenceLines(text)) {
        const QString phrase = line.split(u' ', Qt::SkipEmptyParts).join(u' ');
        if (!phrase.isEmpty())
            phrases.append(phrase);
    }
    return phrases;
}

// --- Writing the phrases out again. ---------------------------------------------------

std::optional<QByteArray> encodeWindows1252(const QString &text)
{
    static const QHash<char16_t, char> byteOf = [] {
        QHash<char16_t, char> table;
        for (int b = 0; b < 256; ++b)
            table.insert(windows1252(std::uint8_t(b)), char(b));
        return table;
    }();
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        const auto found = byteOf.constFind(c.unicode());
        if (found == byteOf.constEnd())
            return std::nullopt;
        bytes.append(*found);
    }
    return bytes;
}

void requireReadBackTheSame(const QByteArray &file, const QStringList &phrases, const char *what)
{
    if (parsePhrases(file) != phrases)
        fail(what);
}

void checkWrittenAgain(const QStringList &phrases)
{
    const bool startsWithMark = !phrases.isEmpty() && phrases.first().startsWith(QChar(0xFEFF));
    for (const char *lineEnd : {"\r\n", "\n", "\r"}) {
        const QString text = phrases.join(QLatin1StringView(lineEnd));
        const QByteArray utf8 = text.toUtf8();
        requireReadBackTheSame("\xEF\xBB\xBF" + utf8, phrases, "UTF-8 with a byte-order mark read back differently");
        // Without a mark, a first phrase that begins with U+FEFF would lose it as a mark.
        if (!startsWithMark)
            requireReadBackTheSame(utf8, phrases, "UTF-8 read back differently");
        // Windows-1252 bytes that happen to be valid UTF-8 are read as UTF-8, by design.
        if (const std::optional<QByteArray> ansi = encodeWindows1252(text); ansi && !readsAsUtf8(*ansi))
            requireReadBackTheSame(*ansi, phrases, "Windows-1252 read back differently");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));

    const QString text = decodePhraseText(bytes);
    require(text == referenceDecode(bytes), "decoded text differs from the reference");

    const QStringList phrases = parsePhrases(bytes);
    require(phrases == phrasesFromText(text), "parsePhrases differs from decoding then splitting");
    require(phrases == referencePhrases(text), "phrases differ from the reference");

    for (const QString &phrase : phrases) {
        require(!phrase.isEmpty(), "an empty phrase");
        require(!phrase.startsWith(u' ') && !phrase.endsWith(u' '), "a phrase with a space at an end");
        require(!phrase.contains(QLatin1StringView("  ")), "a phrase with two spaces in a row");
        require(!phrase.contains(u'\r') && !phrase.contains(u'\n'), "a phrase holding a line end");
        require(Slim(phrase) == phrase, "Slim changes a phrase it made");
    }

    const QStringList report = Messages::loadReport(phrases.size());
    require(report.size() == 6, "the load report is not six lines");
    require(report[2] == QStringLiteral(" File contains :  %1 phrases.").arg(phrases.size()),
            "the count line does not give the number of phrases");

    checkWrittenAgain(phrases);
    return 0;
}
