// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "phrasefile.h"

#include "slim.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace {

// Code points of the bytes 0x80 to 0x9F in Windows-1252.
constexpr std::array<char16_t, 32> windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Each byte as Windows-1252 reads it; the five bytes it leaves undefined keep their own value.
constexpr std::array<char16_t, 256> windows1252 = [] {
    std::array<char16_t, 256> table{};
    for (std::size_t byte = 0; byte < table.size(); ++byte)
        table[byte] = char16_t(byte);
    for (std::size_t byte = 0x80; byte <= 0x9F; ++byte)
        table[byte] = windows1252High[byte - 0x80];
    return table;
}();

bool isAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return (uchar(c) & 0x80) == 0; });
}

constexpr char utf8ByteOrderMark[] = "\xEF\xBB\xBF";

// One line of a UTF-8 file whose own byte-order mark is gone already.
QString decodeUtf8Line(QByteArrayView line)
{
    // QString::fromUtf8 drops a mark that starts its input, but one that starts a line
    // is a character of the phrase: the decoder below keeps it.
    if (!line.startsWith(utf8ByteOrderMark))
        return QString::fromUtf8(line);
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless
                               | QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(line);
}

// Whether Slim would change the line: a space at either end, or two in a row.
bool hasSpacesToFold(QByteArrayView line)
{
    if (line.startsWith(' ') || line.endsWith(' '))
        return true;
    return std::adjacent_find(line.begin(), line.end(),
                              [](char a, char b) { return a == ' ' && b == ' '; })
        != line.end();
}

// Calls handleLine(view) for each line of the bytes, without its line end. A line ends at
// CR LF, at LF or at CR; a line end at the very end adds no line.
template<typename Function>
void forEachLine(QByteArrayView text, Function handleLine)
{
    const qsizetype size = text.size();
    qsizetype lineStart = 0;
    while (lineStart < size) {
        qsizetype lineEnd = lineStart;
        while (lineEnd < size && text[lineEnd] != '\r' && text[lineEnd] != '\n')
            ++lineEnd;
        handleLine(text.sliced(lineStart, lineEnd - lineStart));
        lineStart = lineEnd + 1;
        if (lineEnd + 1 < size && text[lineEnd] == '\r' && text[lineEnd + 1] == '\n')
            ++lineStart;
    }
}

} // namespace

QString decodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (const char c : bytes)
        *out++ = windows1252[uchar(c)];
    return text;
}

QStringList parsePhrases(QByteArrayView bytes)
{
    // Decoded a line at a time, so that a large file is not held a second time as one
    // whole text. Line ends and spaces are bytes of their own in both encodings, never
    // part of a character.
    const bool utf8 = !isAscii(bytes) && bytes.isValidUtf8();
    if (utf8 && bytes.startsWith(utf8ByteOrderMark))
        bytes = bytes.sliced(3);
    QStringList phrases;
    forEachLine(bytes, [&](QByteArrayView line) {
        QString phrase = utf8 ? decodeUtf8Line(line) : decodeWindows1252(line);
        // Most lines have no spaces to fold, and are kept as decoded.
        if (hasSpacesToFold(line))
            phrase = Slim(phrase);
        if (!phrase.isEmpty())
            phrases.append(std::move(phrase));
    });
    return phrases;
}

QString locatePhraseFile(const QString &folder)
{
    const QDir dir(folder);
    const QString exact = dir.filePath(QString::fromLatin1(PhraseFileName));
    if (QFileInfo::exists(exact) || QFileInfo(exact).isSymLink())
        return exact;
    const QStringList names =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString &name : names) {
        if (name.compare(QLatin1StringView(PhraseFileName), Qt::CaseInsensitive) == 0)
            return dir.filePath(name);
    }
    return {};
}

std::optional<QByteArray> readPhraseFile(const QString &folder)
{
    const QString path = locatePhraseFile(folder);
    // Only a regular file is opened: a folder, a pipe or a device under that name is refused.
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (file.size() > MaxPhraseFileBytes)
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError || bytes.size() > MaxPhraseFileBytes)
        return std::nullopt;
    return bytes;
}
