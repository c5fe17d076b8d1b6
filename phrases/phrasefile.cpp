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
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool isAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return (uchar(c) & 0x80) == 0; });
}

std::optional<QString> decodeStrictUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

} // namespace

QString decodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (const char c : bytes) {
        const uchar byte = uchar(c);
        *out++ = (byte >= 0x80 && byte <= 0x9F) ? windows1252High[byte - 0x80] : char16_t(byte);
    }
    return text;
}

QString decodePhraseText(QByteArrayView bytes)
{
    if (!isAscii(bytes)) {
        if (std::optional<QString> utf8 = decodeStrictUtf8(bytes))
            return *utf8;
    }
    return decodeWindows1252(bytes);
}

QStringList phrasesFromText(QStringView text)
{
    QStringList phrases;
    const qsizetype size = text.size();
    qsizetype lineStart = 0;
    while (lineStart < size) {
        qsizetype lineEnd = lineStart;
        while (lineEnd < size && text[lineEnd] != u'\r' && text[lineEnd] != u'\n')
            ++lineEnd;
        QString phrase = Slim(text.sliced(lineStart, lineEnd - lineStart));
        if (!phrase.isEmpty())
            phrases.append(std::move(phrase));
        lineStart = lineEnd + 1;
        if (lineEnd + 1 < size && text[lineEnd] == u'\r' && text[lineEnd + 1] == u'\n')
            ++lineStart;
    }
    return phrases;
}

QStringList parsePhrases(QByteArrayView bytes)
{
    return phrasesFromText(decodePhraseText(bytes));
}

QString locatePhraseFile(const QString &folder)
{
    const QDir dir(folder);
    const QString exact = dir.filePath(QString::fromLatin1(PhraseFileName));
    if (QFileInfo::exists(exact) || QFileInfo(exact).isSymLink())
        return exact;
    const QStringList names = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System, QDir::Name);
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
