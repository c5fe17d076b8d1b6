// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "phrasefilereader.h"

#include "phrasefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

std::optional<std::string> readPhraseFile(const QString &folder)
{
    const QString path = locatePhraseFile(folder);
    // Only a regular file is opened: a folder, a pipe or a device under that name is refused.
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const qint64 size = file.size();
    if (size < 0 || quint64(size) > MaxPhraseFileBytes)
        return std::nullopt;
    // Read straight into the string the game takes, so that the bytes are not copied
    // again; one byte more than the size tells whether the file grew meanwhile.
    std::string bytes(std::size_t(size) + 1, '\0');
    const qint64 read = file.read(bytes.data(), qint64(bytes.size()));
    if (read < 0)
        return std::nullopt;
    bytes.resize(std::size_t(read));
    if (read > size)
        bytes += file.readAll().toStdString();
    if (file.error() != QFileDevice::NoError || bytes.size() > MaxPhraseFileBytes)
        return std::nullopt;
    return bytes;
}
